#include "mdlOption.h"

#include "CharacterFiles.h"
#include "DialogSeam.h"
#include "TextFiles.h"

#include <QDir>

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace tolvekin {
namespace {

const QString SettingsFileName = QStringLiteral("TlvPar.txt");
const QString BuiltinTitle = QStringLiteral(u"ぽるぽら");
const std::array<QString, 4> BuiltinCharName{QString(), QStringLiteral(u"おひさま"),
                                             QStringLiteral(u"おさかな"),
                                             QStringLiteral(u"くまさん")};
const std::array<QString, 3> BuiltinCharSet{QString(), QStringLiteral("SUN"),
                                            QStringLiteral("FISH")};
constexpr int32_t TitleFileChars = 6;
constexpr int32_t SettingsTextChars = 6; // title and names given in a settings text

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
    const double r = std::nearbyint(*v);
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

QString FullWidthDigits(const QString& text) {
    QString out;
    for (QChar c : text) {
        out += c.isDigit() ? QChar(static_cast<char16_t>(0xFF10 + c.digitValue())) : c;
    }
    return out;
}

QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
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
    const auto value = [&text](const QString& key) {
        return text ? GetOption(*text, key) : QString();
    };
    const auto boolean = [&value](bool& field, bool builtin, const QString& key) {
        field = builtin;
        const QString v = value(key);
        if (!v.isEmpty()) {
            field = ToBool(v).value_or(field);
        }
    };
    const auto integer = [&value](int32_t& field, int32_t builtin, const QString& key) {
        field = builtin;
        const QString v = value(key);
        if (!v.isEmpty()) {
            field = ToInt32(v).value_or(field);
        }
    };
    const auto position = [&value](int32_t& field, const QString& key) {
        if (const std::optional<int32_t> v = ToInt32(value(key)); v && *v != INT32_MIN) {
            field = *v < 0 ? -*v : *v;
        }
    };

    boolean(s.FlashMove, false, QStringLiteral("/FLASH"));
    boolean(s.HintCursor, false, QStringLiteral("/CURSOR"));
    boolean(s.ShowBorder, true, QStringLiteral("/BORDER"));
    boolean(s.ShowCross, true, QStringLiteral("/CROSS"));
    boolean(s.SeeThrough, false, QStringLiteral("/THRU"));
    boolean(s.BackPicture, false, QStringLiteral("/BACK"));

    if (const QString v = WithoutControls(value(QStringLiteral("/TITLE"))); !v.isEmpty()) {
        s.GameTitle = LeftChars(v, SettingsTextChars).toStdString();
    }
    for (int i = 1; i <= 3; ++i) {
        const QString v = WithoutControls(value(QStringLiteral("/CHAR%1").arg(i)));
        if (!v.isEmpty()) {
            s.CharName[i] = LeftChars(v, SettingsTextChars).toStdString();
        }
    }
    for (int i = 1; i <= 2; ++i) {
        const QString v = value(QStringLiteral("/KOMA%1").arg(i));
        const bool known = v == u"SUN" || v == u"FISH" || v == u"BEAR";
        s.CharSet[i] = (known ? v : BuiltinCharSet[i]).toStdString();
    }

    const QString mode = value(QStringLiteral("/MODE"));
    s.GameMode = mode == u"1" || mode == u"2" || mode == u"3" ? mode.toInt() : 1;
    const QString level = value(QStringLiteral("/LEVEL"));
    s.GameLevel = level == u"1" || level == u"2" ? level.toInt() : 1;
    boolean(s.MonoPieces, false, QStringLiteral("/MONO"));
    integer(s.BackgroundColor, SystemButtonFace, QStringLiteral("/COLOR"));
    integer(s.BoardColor, 0xFFFFFF, QStringLiteral("/CLRBRD"));

    if (text) {
        // The default initial block depends on the board just read.
        s.BoardWidth = 8;
        if (const int32_t r = CheckBoardSize(value(QStringLiteral("/MAXX")), true); r != 0) {
            s.BoardWidth = r;
        }
        s.NextMaxBoardX = s.BoardWidth;
        s.BoardHeight = 8;
        if (const int32_t r = CheckBoardSize(value(QStringLiteral("/MAXY")), false); r != 0) {
            s.BoardHeight = r;
        }
        s.NextMaxBoardY = s.BoardHeight;
        s.MidX = static_cast<int32_t>(std::nearbyint(s.BoardWidth / 2.0));
        if (const int32_t r = CheckInitialBlock(value(QStringLiteral("/MIDX")), s.BoardWidth);
            r != 0) {
            s.MidX = r;
        }
        s.NextMidX = s.MidX;
        s.MidY = static_cast<int32_t>(std::nearbyint(s.BoardHeight / 2.0));
        if (const int32_t r = CheckInitialBlock(value(QStringLiteral("/MIDY")), s.BoardHeight);
            r != 0) {
            s.MidY = r;
        }
        s.NextMidY = s.MidY;
    }

    position(s.WindowTop, QStringLiteral("/TOP"));
    position(s.WindowLeft, QStringLiteral("/LEFT"));
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

void ReadSettings(Settings& s, const QString& dataDir, const QStringList& arguments) {
    LoadNames(s, dataDir, false);
    const QString defaultPath = dataDir + SettingsFileName;
    const QString commandLine = arguments.join(u' ');
    if (commandLine.count(u' ') == commandLine.size()) {
        s.SettingsPath = defaultPath.toStdString();
        ParseSettings(s, ReadSettingsFile(defaultPath).toUpper());
        return;
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
        s.SettingsPath = defaultPath.toStdString();
        return;
    }
    if (QDir::isRelativePath(path)) {
        path.prepend(dataDir);
    }
    s.SettingsPath = path.toStdString();
    const QString fileText = ReadSettingsFile(path);
    if (!fileText.isEmpty()) {
        ParseSettings(s, fileText.toUpper());
    }
}

bool WriteSettings(const Settings& s, double windowTop, double windowLeft) {
    const QStringList lines{
        QStringLiteral("/FLASH") + BoolWord(s.FlashMove),
        QStringLiteral("/CURSOR") + BoolWord(s.HintCursor),
        QStringLiteral("/BORDER") + BoolWord(s.ShowBorder),
        QStringLiteral("/CROSS") + BoolWord(s.ShowCross),
        QStringLiteral("/THRU") + BoolWord(s.SeeThrough),
        QStringLiteral("/BACK") + BoolWord(s.BackPicture),
        QStringLiteral("/TITLE") + ToQ(s.GameTitle),
        QStringLiteral("/CHAR1") + ToQ(s.CharName[1]),
        QStringLiteral("/CHAR2") + ToQ(s.CharName[2]),
        QStringLiteral("/CHAR3") + ToQ(s.CharName[3]),
        QStringLiteral("/KOMA1") + ToQ(s.CharSet[1]),
        QStringLiteral("/KOMA2") + ToQ(s.CharSet[2]),
        QStringLiteral("/MODE") + QString::number(s.GameMode),
        QStringLiteral("/LEVEL") + QString::number(s.GameLevel),
        QStringLiteral("/MONO") + BoolWord(s.MonoPieces),
        QStringLiteral("/COLOR") + QString::number(s.BackgroundColor),
        QStringLiteral("/CLRBRD") + QString::number(s.BoardColor),
        QStringLiteral("/MAXX") + QString::number(s.NextMaxBoardX),
        QStringLiteral("/MAXY") + QString::number(s.NextMaxBoardY),
        QStringLiteral("/MIDX") + QString::number(s.NextMidX),
        QStringLiteral("/MIDY") + QString::number(s.NextMidY),
        QStringLiteral("[MoveSize]"),
        QStringLiteral("/TOP") + SingleText(windowTop),
        QStringLiteral("/LEFT") + SingleText(windowLeft),
    };
    QString error;
    if (!WriteTextLines(ToQ(s.SettingsPath), lines, &error)) {
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
    s.GameTitle = BuiltinTitle.toStdString();
    for (int i = 1; i <= 3; ++i) {
        s.CharName[i] = BuiltinCharName[i].toStdString();
    }
    if (builtinOnly) {
        return;
    }
    if (const QString t = ReadFirstLine(dataDir + QStringLiteral("TLVTITLE.TXT"), TitleFileChars);
        !t.isEmpty()) {
        s.GameTitle = t.toStdString();
    }
    for (int i = 1; i <= 3; ++i) {
        const QString stem = QString::fromLatin1(CharacterStems[static_cast<size_t>(i - 1)]);
        const QString t = ReadFirstLine(dataDir + NameFile(stem), CharacterNameChars);
        if (!t.isEmpty()) {
            s.CharName[i] = t.toStdString();
        }
    }
}

void SnapshotSettings(Settings& s, SettingsSnapshot& snap, bool save) {
    const auto copy = [](auto& from, auto& to) {
        to.FlashMove = from.FlashMove;
        to.ShowBorder = from.ShowBorder;
        to.ShowCross = from.ShowCross;
        to.SeeThrough = from.SeeThrough;
        to.BackPicture = from.BackPicture;
        to.GameTitle = from.GameTitle;
        to.CharName = from.CharName;
        to.CharSet = from.CharSet;
        to.GameMode = from.GameMode;
        to.GameLevel = from.GameLevel;
        to.MonoPieces = from.MonoPieces;
        to.BackgroundColor = from.BackgroundColor;
        to.BoardColor = from.BoardColor;
    };
    if (save) {
        copy(s, snap);
    } else {
        copy(snap, s);
    }
}

int32_t CheckBoardSize(const QString& text, bool isWidth, QString* rangeText) {
    const int32_t max = isWidth ? MaxBoardWidth : MaxBoardHeight;
    if (rangeText != nullptr) {
        *rangeText = FullWidthDigits(QStringLiteral(u"2～%1").arg(max));
    }
    // The range is checked before rounding: 38.4 is refused, 2.4 gives 2.
    const std::optional<double> v = ParseNumber(text);
    if (!v || *v < 2 || *v > max) {
        return 0;
    }
    return static_cast<int32_t>(std::nearbyint(*v));
}

int32_t CheckInitialBlock(const QString& text, int32_t size) {
    const std::optional<double> v = ParseNumber(text);
    if (!v || *v > size - 1) {
        return 0;
    }
    // Below 1 the 2 x 2 block would leave the board: refused like 0.
    const double r = std::nearbyint(*v);
    return r < 1 ? 0 : static_cast<int32_t>(r);
}

void GetMaxBoardSize(Settings& s, const ScreenMetrics& screen, int32_t& maxRows, int32_t& maxCols) {
    if (s.PanelWidth == 0) {
        s.PanelWidth = DefaultPanelWidth;
    }
    const double w = std::nearbyint(screen.WidthTwips - s.PanelWidth - 240);
    const double h = std::nearbyint(screen.HeightTwips - 240);
    const double rows = std::nearbyint(h / screen.TwipsPerPixelY / (screen.CellHeight + 1)) - 1;
    const double cols = std::nearbyint(w / screen.TwipsPerPixelX / (screen.CellWidth + 1));
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
