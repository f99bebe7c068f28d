#include "common/files/TextFiles.h"

#include "common/files/FileErrors.h"
#include "common/files/SavedFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tolvekin {
namespace {

constexpr char16_t Sub = 0x001A;         // what the converter yields for a bad byte
constexpr char16_t Replacement = 0xFFFD; // what the game shows for it

bool IsSwappedCode(char16_t code) {
    return code == 0x1A || code == 0x1C || code == 0x7F;
}

QString DecodeRun(const QByteArray& bytes) {
    QStringDecoder decoder("CP932");
    // The converter keeps a lone lead byte at the very end back, waiting for its trail byte.
    // A line feed after the data can never be a trail byte, so such a byte turns into a bad
    // byte; the line feed itself is taken off again.
    QString text = decoder.decode(bytes + '\n');
    text.chop(1);
    text.replace(QChar(Sub), QChar(Replacement));
    return text;
}

QByteArray EncodeRun(QStringView text) {
    QStringEncoder encoder("CP932");
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError()) {
        return whole;
    }
    // The converter writes an unmappable character as bytes that do not read back; go through
    // the text one character at a time and put "?" in their place.
    QByteArray out;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        // A fresh converter each time: resetState() does not clear a converter's error.
        QStringEncoder single("CP932");
        const QByteArray piece = single.encode(text.mid(i, len));
        out += single.hasError() ? QByteArray("?") : piece;
        i += len;
    }
    return out;
}

QByteArray JoinLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += EncodeCp932(line);
        out += "\r\n";
    }
    return out;
}

} // namespace

QString DecodeCp932(const QByteArray& bytes) {
    // The converter's table swaps the single bytes 0x1A, 0x1C and 0x7F among themselves, where
    // Windows keeps each as the character of the same code. None of them is ever part of a
    // double-byte character, so the text between them is converted and they go in as they are.
    QString text;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (IsSwappedCode(static_cast<unsigned char>(bytes.at(i)))) {
            text += DecodeRun(bytes.mid(begin, i - begin));
            text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes.at(i))));
            begin = i + 1;
        }
    }
    return text + DecodeRun(bytes.mid(begin));
}

QByteArray EncodeCp932(const QString& text) {
    QByteArray out;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsSwappedCode(text.at(i).unicode())) {
            out += EncodeRun(QStringView(text).mid(begin, i - begin));
            out += static_cast<char>(text.at(i).unicode());
            begin = i + 1;
        }
    }
    return out + EncodeRun(QStringView(text).mid(begin));
}

bool FileExists(const QString& path) {
    if (path.trimmed().isEmpty() || path.contains(u'*') || path.contains(u'?')) {
        return false;
    }
    return IsRegularFile(path);
}

std::optional<QStringList> ReadTextLines(const QString& path, QString* error, qint64 maxBytes,
                                         bool* truncated) {
    const std::optional<QByteArray> bytes = ReadFileBytes(path, maxBytes, error, truncated);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitLines(DecodeCp932(*bytes));
}

QStringList SplitLines(const QString& text) {
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

bool WriteTextLines(const QString& path, const QStringList& lines, QString* error) {
    return SaveFileBytes(path, JoinLines(lines), error);
}

bool AppendTextLine(const QString& path, const QString& line, QString* error) {
    QFile file;
    QString why;
    const QByteArray bytes = JoinLines(QStringList{line});
    if (const std::optional<QString> refusal = WriteRefusal(path)) {
        if (error != nullptr) {
            *error = *refusal;
        }
        return false;
    }
    // Unbuffered, so a full disk shows in the write itself; a line that did not fit is taken
    // off again, and the file ends as it was.
    if (OpenRegularFile(file, path,
                        QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, &why)) {
        const qint64 before = file.size();
        if (WriteAllBytes(file, bytes)) {
            return true;
        }
        why = JapaneseFileError(file.errorString());
        if (why.isEmpty()) {
            why = QStringLiteral("%1 に書き足せません").arg(QFileInfo(path).fileName());
        }
        file.resize(before);
    }
    if (error != nullptr) {
        *error = why;
    }
    return false;
}

} // namespace tolvekin
