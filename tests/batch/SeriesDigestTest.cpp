// Seeded series of the program pinned by a digest of every byte they print: a change to the
// rules, the computer's draws or the output that alters any game of them fails here.

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Series {
    const char* name;
    QStringList args;
    const char* sha256;
};

QByteArray Digest(const QStringList& args, const QString& dir) {
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(TOLVEKIN_BINARY, args);
    EXPECT_TRUE(p.waitForFinished(50000)) << args.join(' ').toStdString();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QCryptographicHash::hash(p.readAllStandardOutput(), QCryptographicHash::Sha256).toHex();
}

} // namespace

TEST(SeriesDigest, SeededSeriesPrintTheBytesTheyAlwaysPrinted) {
    const QStringList base{"--seed", "20", "--moves"};
    const Series series[] = {
        {"8 x 8", QStringList{"--batch", "200"} + base,
         "28a7e9a46572d74060da67e31c40e2a3cf85d12298448878cc7bfc48e500f62b"},
        {"9 x 7", QStringList{"--batch", "200", "/MAXX9", "/MAXY7"} + base,
         "2f15624306ba839596758a1d8a296da8820f57e0e5e3ec34fa42825dd7146190"},
        {"3 x 11", QStringList{"--batch", "200", "/MAXX3", "/MAXY11"} + base,
         "557c898d62d3120c24bd9c6514b6b0ff816db638d9582a68a19b3892ac653925"},
        {"10 x 10 black and white",
         QStringList{"--batch", "200", "/MAXX10", "/MAXY10", "/MONO1"} + base,
         "126a88f38bd5029fd2841e46b4600bb2e73c16662c2206f71b77c5ed32ba9aac"},
        {"38 x 26", QStringList{"--batch", "20", "/MAXX38", "/MAXY26"} + base,
         "c7f6795c3a098ad86fdc2fd2ae0a7ee7cfee7c9be139bcbd2bd2ed1e0b65af97"},
    };
    QTemporaryDir dir;
    for (const Series& s : series) {
        EXPECT_EQ(Digest(s.args, dir.path()), QByteArray(s.sha256)) << s.name;
    }
    // One thread or several: the same bytes.
    EXPECT_EQ(Digest(QStringList{"--jobs", "1", "--batch", "200"} + base, dir.path()),
              QByteArray(series[0].sha256));
}
