#pragma once
// Japanese words for file errors. The C library and parts of Qt describe a failed open, write
// or rename in English ("Permission denied"); the player reads every message in Japanese, so
// each description passes through here before it is shown.

#include <QString>

namespace tolvekin {

// The Japanese description of a C library error number (errno), for example 13 gives
// "アクセスする権限がありません". An unknown number gives a general description.
QString FileErrorText(int errorNumber);

// The description with the English phrases the C library and Qt use for file errors replaced by
// Japanese ones ("No space left on device" becomes "ディスクに空きがありません"). Text that is
// already Japanese, and file names, are kept. An empty or "Unknown error" description gives
// an empty result: the caller says what failed instead.
QString JapaneseFileError(const QString& description);

// A message for a failed file operation: what failed (a fixed Japanese sentence such as
// "スコアファイルを削除できません。"), a line break and the Japanese description. Only the
// sentence when there is no description.
QString FileErrorMessage(const QString& whatFailed, const QString& description);

} // namespace tolvekin
