#pragma once
// A small tmpfs mounted for one test, to make writes meet a full disk. Mounting needs root (or
// the right capability); a test skips when the system refuses.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace tolvekin::test {

class SmallDisk {
public:
    explicit SmallDisk(const char* size = "size=64k") {
        if (dir_.isValid() &&
            ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, size) == 0) {
            mounted_ = true;
        }
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    QStringList Names() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // Fills the disk until at most `leave` bytes are free (0: until a write fails).
    void Fill(qint64 leave = 0) {
        QFile filler(FilePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return;
        }
        const QByteArray block(1024, 'x');
        qint64 total = 0;
        while (filler.write(block) == block.size()) {
            total += block.size();
        }
        filler.close();
        if (leave > 0) {
            filler.resize(std::max<qint64>(0, total - leave));
        }
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace tolvekin::test
