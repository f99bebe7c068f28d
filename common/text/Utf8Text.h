#pragma once
// The one converter between the engine's and the settings' UTF-8 strings and Qt's strings, for
// every window and file unit of both programs.

#include <QString>

#include <string>
#include <string_view>

namespace tolvekin {

// A UTF-8 string (std::string, a literal or a view) as a QString.
inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A QString as the UTF-8 std::string the engine and the settings keep.
inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace tolvekin
