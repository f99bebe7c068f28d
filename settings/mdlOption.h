#pragma once
// The settings ("とりきめ"): reading them from the command line and the settings file, writing
// the settings file, the title and character-name files, the board-size and initial-block
// validators and the largest board that fits on the screen.
//
// Numbers in settings texts and dialog fields: optional blanks around, an optional sign + or -,
// digits with at most one decimal point and at least one digit ("12.5", "-300", " 7", ".5").
// Full-width digits, signs, point and the ideographic space are read like their ASCII forms.
// Nothing else (no exponents, no hexadecimal, no thousands separators). Fractions round to the
// nearest integer, halves to the even neighbour.

#include "settings/Settings.h"
#include "settings/SettingsList.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

namespace tolvekin {

// The settings the options dialog may change, kept so that cancelling restores them: the
// entries of SettingsList marked InSnapshot, copied field by field.
struct SettingsSnapshot {
    Settings Values;
};

inline constexpr int32_t MaxBoardWidth = 38;
inline constexpr int32_t MaxBoardHeight = 26;
inline constexpr int32_t DefaultPanelWidth = 2655;

// The screen and the main window as the screen fit needs them: the screen's size in twips,
// twips per pixel on each axis, the cell size and the width the side panel takes.
struct ScreenMetrics {
    double WidthTwips = 0;
    double HeightTwips = 0;
    double TwipsPerPixelX = 15;
    double TwipsPerPixelY = 15;
    int32_t CellWidth = 48; // pixels of one board cell
    int32_t CellHeight = 48;
    // Twips from the side panel's left edge to the main window's right edge, as the main
    // window measures it when it loads; the default until then.
    int32_t PanelWidth = DefaultPanelWidth;
};

// Start-up: the title and names from their files, then the command line (arguments after the
// program name, joined with blanks) and the settings file. dataDir ends with "/".
void ReadSettings(Settings& settings, const QString& dataDir, const QStringList& arguments);

// Applies a settings text in command-line form (the caller upper-cases it), entry by entry of
// SettingsList. std::nullopt resets everything but the board size, the initial block, the
// title, the names and the window position to the built-in values.
void ParseSettings(Settings& settings, const std::optional<QString>& text);

// The value that follows key in text, "" when key does not occur.
QString GetOption(const QString& text, const QString& key);

// The file's lines, each followed by one blank; "" when the file is missing or unreadable.
QString ReadSettingsFile(const QString& path);

// Writes the 24 lines of the settings file to settings.SettingsPath. windowTop and windowLeft
// are the main window's current position in twips. On failure shows the save-failure message
// and returns false; an old file then stays as it was.
bool WriteSettings(const Settings& settings, double windowTop, double windowLeft);

// The built-in title and names, then, unless builtinOnly, those of the title and name files.
void LoadNames(Settings& settings, const QString& dataDir, bool builtinOnly);

// Up to maxChars characters of the first line; "" when the file cannot be read.
QString ReadFirstLine(const QString& path, int32_t maxChars);

// save: settings to snapshot; otherwise snapshot back to settings.
void SnapshotSettings(Settings& settings, SettingsSnapshot& snapshot, bool save);

// The board width (isWidth) or height given by text, 0 when refused. rangeText, when given,
// receives the allowed range in full-width characters (２～３８ or ２～２６).
int32_t CheckBoardSize(const QString& text, bool isWidth, QString* rangeText = nullptr);

// The initial-block coordinate given by text on a board of size cells, 0 when refused.
int32_t CheckInitialBlock(const QString& text, int32_t size);

// The largest board that fits on the screen beside the side panel (a PanelWidth of 0 is taken
// as the default width and stored).
void GetMaxBoardSize(ScreenMetrics& screen, int32_t& maxRows, int32_t& maxCols);

// The number rules above; std::nullopt for text that is not a number.
std::optional<double> ParseNumber(const QString& text);

} // namespace tolvekin
