#include "settings/mdlOption.h"

#include "common/dialogs/DialogSeam.h"
#include "common/files/CharacterFiles.h"
#include "common/files/TextFiles.h"
#include "common/text/FullWidth.h"
#include "common/text/Utf8Text.h"
#include "engine/CharacterSets.h"
#include "engine/Rounding.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace tolvekin {
namespace {

const QString SettingsFileName = QStringLiteral("TlvPar.txt");
constexpr int32_t TitleFileChars = 6;

// Where a key's value lies in a text.
struct Span {
    qsizetype Start = 0;
    qsizetype Length = 0;
};

Span OptionSpan(const QString& text, const QString& key) {
    const qsizetype p = text.indexOf(key);
    if (p < 0) {
        return {};
    }
    const qsizetype start = p + key.size();
    if (key == u"/PAR") {
        // The path runs to the next switch, a blank followed by "/", so that it may itself hold
        // slashes (every absolute path here starts with one). A trailing double quote closes a
        // quoted switch and is not part of the path.
        const qsizetype next = text.indexOf(QStringLiteral(" /"), start);
        qsizetype end = next < 0 ? text.size() : next;
        if (end > start && text.at(end - 1) == u'"') {
            --end;
        }
        return {start, end - start};
    }
    const qsizetype blank = text.indexOf(u' ', start);
    return {start, (blank < 0 ? text.size() : blank) - start};
}

// Upper-cased text together with, for each of its UTF-16 units, the position in the original
// text of the character it came from (one more entry for the end). Upper-casing may lengthen a
// character ("ß" gives "SS"), so positions in the upper-cased text are mapped, not reused.
struct UpperText {
    QString Text;
    std::vector<qsizetype> Origin;
};

UpperText ToUpperMapped(const QString& original) {
    UpperText upper;
    upper.Origin.reserve(static_cast<size_t>(original.size()) + 1);
    for (qsizetype i = 0; i < original.size();) {
        const qsizetype len = original.at(i).isHighSurrogate() && i + 1 < original.size() ? 2 : 1;
        const QString piece = original.mid(i, len).toUpper();
        upper.Text += piece;
        upper.Origin.insert(upper.Origin.end(), static_cast<size_t>(piece.size()), i);
        i += len;
    }
    upper.Origin.push_back(original.size());
    return upper;
}

// Control characters (below U+0020, and U+007F) have no place in a title or a name: they
// would end up inside the lines of the result log.
QString WithoutControls(QString text) {
    text.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
    return text;
}

// The first count characters, a surrogate pair counting as one.
QString LeftChars(const QString& text, qsizetype count) {
    qsizetype i = 0;
    for (qsizetype n = 0; n < count && i < text.size(); ++n) {
        i += text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    }
    return text.left(i);
}

QChar AsciiForm(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E) {
        return QChar(static_cast<char16_t>(u - 0xFF01 + 0x21)); // full-width ASCII block
    }
    if (u == 0x3000) {
        return QChar(u' ');
    }
    return c;
}

std::optional<int32_t> ToInt32(const QString& text) {
    const std::optional<double> v = ParseNumber(text);
    if (!v) {
        return std::nullopt;
    }
    const double r = RoundEven(*v);
    if (r < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int32_t>(r);
}

std::optional<bool> ToBool(const QString& text) {
    const QString word = text.trimmed().toUpper();
    if (word == u"TRUE") {
        return true;
    }
    if (word == u"FALSE") {
        return false;
    }
    const std::optional<double> v = ParseNumber(text);
    if (!v) {
        return std::nullopt;
    }
    return *v != 0;
}

QString BoolWord(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Shortest decimal text that reads back as the same single-precision number ("1860").
QString SingleText(double value) {
    float f = static_cast<float>(value);
    if (!std::isfinite(f) || f == 0) {
        f = 0; // also keeps "-0" out of the file
    }
    char buffer[32];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, f);
    return QString::fromLatin1(buffer, r.ptr - buffer);
}

QString KeyText(const SettingEntry& e) {
    return QString::fromLatin1(e.Key.data(), static_cast<qsizetype>(e.Key.size()));
}

// The value a settings text gives for one entry sets its field.
void ApplySetting(const SettingEntry& e, Settings& s, const QString& value, bool realText) {
    switch (e.Rule) {
    case SettingRule::Reset:
        ResetSetting(e, s);
        if (value.isEmpty()) {
            break;
        }
        if (e.Kind == SettingKind::Flag) {
            e.FlagOf(s) = ToBool(value).value_or(e.FlagOf(s));
        } else {
            e.NumberOf(s) = ToInt32(value).value_or(e.NumberOf(s));
        }
        break;
    case SettingRule::KeepIfAbsent:
        if (const QString v = WithoutControls(value); !v.isEmpty()) {
            e.TextOf(s) = Utf8(LeftChars(v, e.MaxChars));
        }
        break;
    case SettingRule::OneOf: {
        const std::string text = Utf8(value);
        int index = -1;
        for (size_t i = 0; i < e.Choices.size(); ++i) {
            if (e.Choices[i] == text) {
                index = static_cast<int>(i);
            }
        }
        ResetSetting(e, s);
        SetChoice(e, s, index);
        break;
    }
    case SettingRule::BoardSize:
        if (realText) {
            int32_t& live = e.Live(s);
            ResetSetting(e, s);
            live = e.NumberOf(s);
            if (const int32_t r = CheckBoardSize(value, e.Across); r != 0) {
                live = r;
            }
            e.NumberOf(s) = live;
        }
        break;
    case SettingRule::InitialBlock:
        if (realText) {
            // The default block sits in the middle of the board just read.
            const int32_t size = e.Across ? s.BoardWidth : s.BoardHeight;
            int32_t& live = e.Live(s);
            live = MiddleOf(size);
            if (const int32_t r = CheckInitialBlock(value, size); r != 0) {
                live = r;
            }
            e.NumberOf(s) = live;
        }
        break;
    case SettingRule::Position:
        if (const std::optional<int32_t> v = ToInt32(value); v && *v != INT32_MIN) {
            e.NumberOf(s) = *v < 0 ? -*v : *v;
        }
        break;
    case SettingRule::None:
        break;
    }
}

// The text written right after the key in the settings file.
QString ValueText(const SettingEntry& e, const Settings& s, double windowTop, double windowLeft) {
    if (e.Rule == SettingRule::Position) {
        return SingleText(e.Across ? windowLeft : windowTop);
    }
    switch (e.Kind) {
    case SettingKind::Flag:
        return BoolWord(e.FlagOf(s));
    case SettingKind::Number:
    case SettingKind::Color:
        return QString::number(e.NumberOf(s));
    case SettingKind::Text:
        return Q(e.TextOf(s));
    case SettingKind::Section:
        break;
    }
    return {};
}

} // namespace

std::optional<double> ParseNumber(const QString& text) {
    QString ascii;
    ascii.reserve(text.size());
    for (QChar c : text) {
        ascii += AsciiForm(c);
    }
    ascii = ascii.trimmed();
    qsizetype i = 0;
    if (i < ascii.size() && (ascii.at(i) == u'+' || ascii.at(i) == u'-')) {
        ++i;
    }
    bool digit = false;
    bool point = false;
    for (; i < ascii.size(); ++i) {
        const QChar c = ascii.at(i);
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    bool ok = false;
    const double v = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

QString GetOption(const QString& text, const QString& key) {
    const Span span = OptionSpan(text, key);
    return text.mid(span.Start, span.Length);
}

void ParseSettings(Settings& s, const std::optional<QString>& text) {
    for (const SettingEntry& e : SettingsList()) {
        ApplySetting(e, s, text ? GetOption(*text, KeyText(e)) : QString(), text.has_value());
    }
    // "/HEIGHT" and "/WIDTH" may stand in a hand-written file; they change nothing.
}

QString ReadSettingsFile(const QString& path) {
    if (!FileExists(path)) {
        return {};
    }
    // A file that is there but cannot be read counts as missing.
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        return {};
    }
    QString text;
    for (const QString& line : *lines) {
        text += line;
        text += u' ';
    }
    return text;
}

// Reads the name files, the command line and the settings file; true when a settings file
// was read (one that is missing reads as empty).
static bool ReadSettingsSources(Settings& s, const QString& dataDir, const QStringList& arguments);

// A name the character maker wrote after the settings file was last saved is the newer word:
// it wins over the file's name for that character.
static void PreferNewerNameFiles(Settings& s, const QString& dataDir) {
    const QFileInfo settingsFile(Q(s.SettingsPath));
    if (!settingsFile.isFile()) {
        return;
    }
    for (int i = 1; i <= 3; ++i) {
        const QString stem = QString::fromLatin1(CharacterStems[static_cast<size_t>(i - 1)]);
        const QFileInfo nameFile(dataDir + NameFile(stem));
        if (!nameFile.isFile() || nameFile.lastModified() <= settingsFile.lastModified()) {
            continue;
        }
        if (const QString t = ReadFirstLine(nameFile.filePath(), CharacterNameChars);
            !t.isEmpty()) {
            s.CharName[i] = Utf8(t);
        }
    }
}

// Two sides showing one character could not be told apart: side 2 takes the next one.
static void KeepSidesApart(Settings& s) {
    if (s.CharSet[1] != s.CharSet[2]) {
        return;
    }
    if (const CharacterSetInfo* set = FindCharacterSet(s.CharSet[2])) {
        s.CharSet[2] = std::string(set->Next);
    }
}

void ReadSettings(Settings& s, const QString& dataDir, const QStringList& arguments) {
    if (ReadSettingsSources(s, dataDir, arguments)) {
        PreferNewerNameFiles(s, dataDir);
    }
    KeepSidesApart(s);
}

static bool ReadSettingsSources(Settings& s, const QString& dataDir, const QStringList& arguments) {
    LoadNames(s, dataDir, false);
    const QString defaultPath = dataDir + SettingsFileName;
    const QString commandLine = arguments.join(u' ');
    if (commandLine.count(u' ') == commandLine.size()) {
        s.SettingsPath = Utf8(defaultPath);
        ParseSettings(s, ReadSettingsFile(defaultPath).toUpper());
        return true;
    }

    const UpperText upper = ToUpperMapped(commandLine);
    ParseSettings(s, upper.Text);

    // The switches are read from the upper-cased text, but file names are case-sensitive, so
    // the path keeps the letters as they were typed.
    const Span span = OptionSpan(upper.Text, QStringLiteral("/PAR"));
    const qsizetype from = upper.Origin[static_cast<size_t>(span.Start)];
    const qsizetype to = upper.Origin[static_cast<size_t>(span.Start + span.Length)];
    QString path = commandLine.mid(from, to - from);
    if (path.trimmed().isEmpty()) {
        // No "/PAR": the settings file is not read in this run, but a save goes to it.
        s.SettingsPath = Utf8(defaultPath);
        return false;
    }
    if (QDir::isRelativePath(path)) {
        path.prepend(dataDir);
    }
    s.SettingsPath = Utf8(path);
    const QString fileText = ReadSettingsFile(path);
    if (!fileText.isEmpty()) {
        ParseSettings(s, fileText.toUpper());
    }
    return true;
}

bool WriteSettings(const Settings& s, double windowTop, double windowLeft) {
    QStringList lines;
    for (const SettingEntry& e : SettingsList()) {
        lines.append(KeyText(e) + ValueText(e, s, windowTop, windowLeft));
    }
    QString error;
    if (!WriteTextLines(Q(s.SettingsPath), lines, &error)) {
        MessageForm(QStringLiteral(u"とりきめをファイルに保存できませんでした") + u'\n' + error);
        return false;
    }
    return true;
}

QString ReadFirstLine(const QString& path, int32_t maxChars) {
    if (maxChars <= 0 || !FileExists(path)) {
        return {};
    }
    const std::optional<QByteArray> bytes = ReadFileBytes(path, SmallTextLimit);
    if (!bytes) {
        return {};
    }
    const QString text = DecodeCp932(*bytes);
    // The line ends at CR; a lone LF (a file written on Linux) ends it as well.
    qsizetype end = 0;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n') {
        ++end;
    }
    return WithoutControls(text.left(end)).left(maxChars);
}

void LoadNames(Settings& s, const QString& dataDir, bool builtinOnly) {
    for (const std::string_view key : {"/TITLE", "/CHAR1", "/CHAR2", "/CHAR3"}) {
        ResetSetting(*FindSetting(key), s);
    }
    if (builtinOnly) {
        return;
    }
    if (const QString t = ReadFirstLine(dataDir + QStringLiteral("TLVTITLE.TXT"), TitleFileChars);
        !t.isEmpty()) {
        s.GameTitle = Utf8(t);
    }
    for (int i = 1; i <= 3; ++i) {
        const QString stem = QString::fromLatin1(CharacterStems[static_cast<size_t>(i - 1)]);
        const QString t = ReadFirstLine(dataDir + NameFile(stem), CharacterNameChars);
        if (!t.isEmpty()) {
            s.CharName[i] = Utf8(t);
        }
    }
}

void SnapshotSettings(Settings& s, SettingsSnapshot& snap, bool save) {
    for (const SettingEntry& e : SettingsList()) {
        if (!e.InSnapshot) {
            continue;
        }
        if (save) {
            CopySetting(e, s, snap.Values);
        } else {
            CopySetting(e, snap.Values, s);
        }
    }
}

int32_t CheckBoardSize(const QString& text, bool isWidth, QString* rangeText) {
    const int32_t max = isWidth ? MaxBoardWidth : MaxBoardHeight;
    if (rangeText != nullptr) {
        *rangeText = ToFullWidth(QStringLiteral(u"2～%1").arg(max));
    }
    // The range is checked before rounding: 38.4 is refused, 2.4 gives 2.
    const std::optional<double> v = ParseNumber(text);
    if (!v || *v < 2 || *v > max) {
        return 0;
    }
    return RoundEvenInt(*v);
}

int32_t CheckInitialBlock(const QString& text, int32_t size) {
    const std::optional<double> v = ParseNumber(text);
    if (!v || *v > size - 1) {
        return 0;
    }
    // Below 1 the 2 x 2 block would leave the board: refused like 0.
    const double r = RoundEven(*v);
    return r < 1 ? 0 : static_cast<int32_t>(r);
}

void GetMaxBoardSize(ScreenMetrics& screen, int32_t& maxRows, int32_t& maxCols) {
    if (screen.PanelWidth == 0) {
        screen.PanelWidth = DefaultPanelWidth;
    }
    const double w = RoundEven(screen.WidthTwips - screen.PanelWidth - 240);
    const double h = RoundEven(screen.HeightTwips - 240);
    const double rows = RoundEven(h / screen.TwipsPerPixelY / (screen.CellHeight + 1)) - 1;
    const double cols = RoundEven(w / screen.TwipsPerPixelX / (screen.CellWidth + 1));
    // A count that is no board size (also a senseless screen) falls back to the largest board.
    const auto fit = [](double count, bool isWidth, int32_t largest) {
        if (!std::isfinite(count) || std::fabs(count) > 1e6) {
            return largest;
        }
        const QString decimal = QString::number(static_cast<int32_t>(count));
        return CheckBoardSize(decimal, isWidth) == 0 ? largest : static_cast<int32_t>(count);
    };
    maxRows = fit(rows, false, MaxBoardHeight);
    maxCols = fit(cols, true, MaxBoardWidth);
}

} // namespace tolvekin
