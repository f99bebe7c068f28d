#include "ScoreFileIo.h"

#include "DialogSeam.h"
#include "ScoreFile.h"

#include <QCoreApplication>
#include <QFile>
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.Error = file.errorString();
        return out;
    }
    // One byte more than the file should hold tells a file that grew past the limit.
    out.Bytes = file.read(std::min(file.size(), ScoreFileByteLimit) + 1);
    if (file.error() != QFileDevice::NoError) {
        out.Error = file.errorString();
        return out;
    }
    if (out.Bytes.size() > ScoreFileByteLimit) {
        if (!cutToLimit) {
            out.Error =
                QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(ScoreFileByteLimit);
            return out;
        }
        out.Bytes.truncate(ScoreFileByteLimit);
    }
    out.Outcome = ScoreBytes::Result::Read;
    return out;
}

QStringList SplitScoreLines(const QString& text) {
    QStringList lines;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(begin, i - begin));
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
                ++i;
            }
            begin = i + 1;
        }
    }
    if (begin < text.size()) {
        lines.append(text.mid(begin));
    }
    return lines;
}

} // namespace tolvekin
