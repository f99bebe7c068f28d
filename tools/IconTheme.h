#pragma once
// Writes a program icon into an icon theme folder laid out like share/icons/hicolor:
// <folder>/<n>x<n>/apps/<name>.png for every usual size n.

#include <QImage>
#include <QString>

#include <array>
#include <functional>

inline constexpr std::array<int, 8> IconThemeSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Draws the icon at every size with draw and writes it. Returns an empty text on success, else
// what went wrong (a picture missing or of the wrong size, a file that cannot be written).
QString WriteIconTheme(const std::function<QImage(int)>& draw, const QString& name,
                       const QString& folder);

// The whole tool: `program <folder>` writes the theme of the icon `name`; returns the exit status.
int IconThemeMain(int argc, char** argv, const QString& name,
                  const std::function<QImage(int)>& draw);
