#include "scores/ScoreFileIo.h"

#include "common/files/FileErrors.h"
#include "common/files/RegularFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cerrno>

#include <sys/stat.h>

namespace tolvekin {
namespace {

bool HasScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

ScoreBusyPointer::ScoreBusyPointer() {
    if (HasScreen()) {
        busy_.emplace();
    }
}

void ScoreBusyPointer::Release() {
    if (busy_) {
        busy_->Release();
    }
}

ScoreBytes LoadScoreBytes(const QString& path, qint64 limit, bool cutToLimit) {
    ScoreBytes out;
    const QFileInfo info(path);
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT) {
            return out; // also a dangling link: nothing to read
        }
        // A folder that may not be searched hides its files: not the same as none.
        out.Outcome = ScoreBytes::Result::Failed;
        out.Error = info.fileName() + QStringLiteral(": ") + FileErrorText(errno);
        return out;
    }
    out.Outcome = ScoreBytes::Result::Failed;
    if (info.isDir()) {
        out.Error = QStringLiteral("スコアファイルの名前のフォルダがあります: ") + info.fileName();
        return out;
    }
    if (!info.isFile()) {
        out.Error = QStringLiteral("通常のファイルではありません: ") + info.fileName();
        return out;
    }
    bool truncated = false;
    std::optional<QByteArray> bytes = ReadFileBytes(path, limit, &out.Error, &truncated);
    if (!bytes) {
        return out;
    }
    if (truncated && !cutToLimit) {
        out.Error = QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(limit);
        return out;
    }
    out.Bytes = std::move(*bytes);
    out.Outcome = ScoreBytes::Result::Read;
    return out;
}

} // namespace tolvekin
