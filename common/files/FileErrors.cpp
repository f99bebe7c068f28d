#include "common/files/FileErrors.h"

#include <QRegularExpression>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace tolvekin {
namespace {

struct ErrorWords {
    int number;
    const char* english; // as the C library's strerror gives it
    const char* japanese;
};

// The errors a file of the data folder meets; the rest keep the general description.
constexpr std::array<ErrorWords, 16> KnownErrors{{
    {EACCES, "Permission denied", "アクセスする権限がありません"},
    {EPERM, "Operation not permitted", "この操作は許可されていません"},
    {EROFS, "Read-only file system", "読み取り専用のファイルシステムです"},
    {ENOSPC, "No space left on device", "ディスクに空きがありません"},
    {EDQUOT, "Disk quota exceeded", "ディスクの使用量の上限を超えました"},
    {EISDIR, "Is a directory", "フォルダです"},
    {ENOTDIR, "Not a directory", "フォルダではありません"},
    {ENAMETOOLONG, "File name too long", "ファイル名が長すぎます"},
    {EFBIG, "File too large", "ファイルが大きすぎます"},
    {ENOENT, "No such file or directory", "ファイルまたはフォルダが見つかりません"},
    {EEXIST, "File exists", "ファイルがすでにあります"},
    {EIO, "Input/output error", "入出力エラーです"},
    {EMFILE, "Too many open files", "開いているファイルが多すぎます"},
    {ELOOP, "Too many levels of symbolic links", "シンボリックリンクの階層が深すぎます"},
    {ETXTBSY, "Text file busy", "ファイルが使用中です"},
    {EBUSY, "Device or resource busy", "ファイルが使用中です"},
}};

// Phrases of Qt's own file code and of this program's file checks that carry no error number.
constexpr std::array<std::pair<const char*, const char*>, 7> KnownPhrases{{
    {"Not a regular file", "通常のファイルではありません"},
    {"Filename refers to a directory", "ファイル名がフォルダを指しています"},
    {"No file engine available or engine does not support UnMapExtension", "ファイルを扱えません"},
    {"Cannot open file", "ファイルを開けません"},
    {"Unknown error", ""},
    // Qt's own Japanese words for it say no more.
    {"未知のエラー", ""},
    {"不明なエラー", ""},
}};

const QString GeneralError = QStringLiteral("ファイルを扱えません");

} // namespace

QString FileErrorText(int errorNumber) {
    for (const ErrorWords& e : KnownErrors) {
        if (e.number == errorNumber) {
            return QString::fromUtf8(e.japanese);
        }
    }
    return GeneralError + QStringLiteral("（%1）").arg(errorNumber);
}

QString JapaneseFileError(const QString& description) {
    QString text = description.trimmed();
    // QSaveFile names the file it may not overwrite.
    static const QRegularExpression notWritable(
        QStringLiteral("Existing file (.+) is not writable"));
    text.replace(notWritable, QStringLiteral("既存のファイル \\1 に書き込めません"));
    for (const ErrorWords& e : KnownErrors) {
        text.replace(QString::fromUtf8(e.english), QString::fromUtf8(e.japanese),
                     Qt::CaseInsensitive);
    }
    for (const auto& [english, japanese] : KnownPhrases) {
        text.replace(QString::fromUtf8(english), QString::fromUtf8(japanese), Qt::CaseInsensitive);
    }
    return text.trimmed();
}

QString FileErrorMessage(const QString& whatFailed, const QString& description) {
    const QString words = JapaneseFileError(description);
    return words.isEmpty() ? whatFailed : whatFailed + u'\n' + words;
}

} // namespace tolvekin
