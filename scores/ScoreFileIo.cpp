#include "ScoreFileIo.h"

#include "DialogSeam.h"
#include "RegularFiles.h"
#include "ScoreFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <vector>

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

void ShowScoreMessage(const QString& text) {
    std::vector<QCursor> taken;
    if (HasScreen()) {
        while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
            taken.push_back(*cursor);
            QGuiApplication::restoreOverrideCursor();
        }
    }
    MessageForm(text);
    for (auto it = taken.rbegin(); it != taken.rend(); ++it) {
        QGuiApplication::setOverrideCursor(*it);
    }
}

ScoreBytes LoadScoreBytes(const QString& path, bool cutToLimit) {
    ScoreBytes out;
    const QFileInfo info(path);
    if (!info.exists()) {
        return out; // also a dangling link: nothing to read
    }
    out.Outcome = ScoreBytes::Result::Failed;
    if (!info.isFile()) {
        out.Error = QStringLiteral("通常のファイルではありません: ") + path;
        return out;
    }
    bool truncated = false;
    std::optional<QByteArray> bytes =
        ReadFileBytes(path, ScoreFileByteLimit, &out.Error, &truncated);
    if (!bytes) {
        return out;
    }
    if (truncated && !cutToLimit) {
        out.Error =
            QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(ScoreFileByteLimit);
        return out;
    }
    out.Bytes = std::move(*bytes);
    out.Outcome = ScoreBytes::Result::Read;
    return out;
}

} // namespace tolvekin
