#include "maker/Conversion.h"

#include "common/files/CharacterFiles.h"
#include "common/files/FileErrors.h"
#include "common/files/PictureFiles.h"
#include "common/files/RegularFiles.h"
#include "common/files/SavedFiles.h"
#include "common/files/TextFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>

#include <array>
#include <utility>

namespace zenbro {
namespace {

// Interior colours in the order of the colour values 0..7.
constexpr std::array<QRgb, 8> DigitColours{White, Blue, Yellow, Green, Red, Magenta, Orange, Black};

// A name file holds five characters and a line end; a little more than that is plenty to read.
constexpr qint64 NameBytesRead = 64;

bool IsControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// The colours the outside fill works on, kept apart from the preview.
class WorkColour {
public:
    explicit WorkColour(const QImage& preview) {
        for (int r = 0; r < GridSide; ++r) {
            for (int c = 0; c < GridSide; ++c) {
                At(c, r) = preview.pixel(c, r);
            }
        }
    }
    QRgb& At(int c, int r) { return colours_[static_cast<size_t>(c + GridSide * r)]; }
    bool IsCyan(int c, int r) {
        return c >= 0 && c < GridSide && r >= 0 && r < GridSide && At(c, r) == Cyan;
    }

private:
    std::array<QRgb, GridCells> colours_{};
};

// A white pixel next to cyan (not across a corner) turns cyan.
void SpreadOutside(QImage& preview, WorkColour& work, int c, int r) {
    if (work.At(c, r) != White) {
        return;
    }
    if (work.IsCyan(c - 1, r) || work.IsCyan(c + 1, r) || work.IsCyan(c, r - 1) ||
        work.IsCyan(c, r + 1)) {
        work.At(c, r) = Cyan;
        preview.setPixel(c, r, Cyan);
    }
}

void Notify(const RowDone& rowDone) {
    if (rowDone) {
        rowDone();
    }
}

QString WithDescription(const QString& text, const QString& description) {
    return description.isEmpty() ? text : text + "\n" + description;
}

} // namespace

int PictureDigit(std::optional<QRgb> colour) {
    if (!colour) {
        return -1;
    }
    for (size_t digit = 0; digit < DigitColours.size(); ++digit) {
        if (DigitColours[digit] == (*colour | 0xff000000)) {
            return static_cast<int>(digit);
        }
    }
    return -1;
}

QString PictureFileName(const QString& stem, std::optional<QRgb> colour) {
    const int digit = PictureDigit(colour);
    return digit < 0 ? tolvekin::OutlinePictureFile(stem) : tolvekin::PiecePictureFile(stem, digit);
}

QString NameFilePath(const QString& dataDir, const QString& stem) {
    return dataDir + tolvekin::NameFile(stem);
}

bool WriteNameFile(const QString& path, const QString& name, QString* error) {
    // A line end or other control character would break the one-line file.
    QString clean = name;
    clean.removeIf(IsControl);
    return tolvekin::WriteTextLines(path, {clean.left(tolvekin::CharacterNameChars)}, error);
}

QString ReadNameFile(const QString& path) {
    // Only a plain file is read: a pipe or a device would block or never end.
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString text = tolvekin::DecodeCp932(file.read(NameBytesRead));
    QString name;
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n' || name.size() == tolvekin::CharacterNameChars) {
            break;
        }
        name += c;
    }
    return name;
}

bool LoadOutlinePicture(const QString& path, QImage* preview, QString* error) {
    auto fail = [error](const QString& why) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        return fail(QStringLiteral("ファイルが見つかりません。（%1）").arg(info.fileName()));
    }
    if (!info.isFile()) {
        return fail(QStringLiteral("通常のファイルではありません。（%1）").arg(info.fileName()));
    }
    // Only a regular file is opened: a pipe put in its place never holds the program.
    QFile file;
    QString why;
    if (!tolvekin::OpenRegularFile(file, path, QIODevice::ReadOnly, &why)) {
        return fail(WithDescription(
            QStringLiteral("画像を読み込めません。（%1）").arg(info.fileName()), why));
    }
    // A bitmap cut off before its last row would show leftover memory as cells.
    if (tolvekin::IsCutOffBmp(file)) {
        return fail(
            QStringLiteral("画像を読み込めません。（%1）\n画像ファイルが途中で切れています。")
                .arg(info.fileName()));
    }
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxOutlineSide || size.height() > MaxOutlineSide)) {
        return fail(QStringLiteral("画像が大きすぎます（%1 x %2）。（%3）")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(info.fileName()));
    }
    const QImage picture = reader.read();
    if (picture.isNull()) {
        return fail(
            WithDescription(QStringLiteral("画像を読み込めません。（%1）").arg(info.fileName()),
                            tolvekin::JapaneseFileError(reader.errorString())));
    }
    QImage sheet = BlankPreview();
    QPainter p(&sheet);
    p.drawImage(0, 0, picture);
    p.end();
    *preview = sheet;
    return true;
}

bool SavePicture(const QImage& picture, const QString& path, QString* error) {
    // The whole bitmap is made in memory first, so the file is replaced only by a complete one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A 32-bit picture without alpha goes out as a 24-bit bitmap.
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32))) {
        if (error != nullptr) {
            *error = QStringLiteral("画像を作れません。");
        }
        return false;
    }
    return tolvekin::SaveFileBytes(path, bytes, error);
}

void MakeWhitePicture(QImage& preview, const RowDone& rowDone) {
    const int last = GridSide - 1;
    for (const auto& [c, r] : {std::pair{0, 0}, {0, last}, {last, 0}, {last, last}}) {
        preview.setPixel(c, r, Cyan);
    }
    WorkColour work(preview);
    // One sweep from each corner; each direction carries the fill far along its own way.
    struct Sweep {
        bool down;
        bool right;
    };
    constexpr Sweep sweeps[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (int pass = 0; pass < 3; ++pass) {
        for (const Sweep& s : sweeps) {
            for (int i = 0; i < GridSide; ++i) {
                const int r = s.down ? i : last - i;
                for (int j = 0; j < GridSide; ++j) {
                    SpreadOutside(preview, work, s.right ? j : last - j, r);
                }
                Notify(rowDone);
            }
        }
    }
}

void ReplaceColour(QImage& preview, QRgb newColour, QRgb oldColour, const RowDone& rowDone) {
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c) {
            if (preview.pixel(c, r) == oldColour) {
                preview.setPixel(c, r, newColour);
            }
        }
        Notify(rowDone);
    }
}

void MakeBlackPicture(QImage& preview) {
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c) {
            const QRgb p = preview.pixel(c, r);
            if (p == Black) {
                preview.setPixel(c, r, White);
            } else if (p == Orange) {
                preview.setPixel(c, r, Black);
            }
        }
    }
}

Conversion::Conversion(QString dataDir, QString stem, RowDone rowDone,
                       std::function<void(const QString&)> error)
    : dataDir_(std::move(dataDir)), stem_(std::move(stem)), rowDone_(std::move(rowDone)),
      error_(std::move(error)) {}

void Conversion::WriteName(const QString& name) {
    const QString file = tolvekin::NameFile(stem_);
    QString why;
    if (WriteNameFile(dataDir_ + file, name, &why)) {
        report_.written << file;
        return;
    }
    report_.failed << file;
    if (error_) {
        error_(WithDescription(QStringLiteral("名前ファイル出力エラーです。"), why));
    }
}

void Conversion::Save(const QImage& preview, std::optional<QRgb> colour) {
    const QString file = PictureFileName(stem_, colour);
    QString why;
    if (SavePicture(preview, dataDir_ + file, &why)) {
        report_.written << file;
        return;
    }
    report_.failed << file;
    if (report_.pictureError.isEmpty()) {
        report_.pictureError = why;
    }
}

void Conversion::SaveOutline(const QImage& preview) {
    Save(preview, std::nullopt);
}

void Conversion::MakePictures(QImage& preview) {
    MakeWhitePicture(preview, rowDone_);
    Save(preview, White);
    // Each colour is painted over the one before, so only the interior changes.
    constexpr std::pair<QRgb, QRgb> steps[] = {{Blue, White}, {Yellow, Blue}, {Green, Yellow},
                                               {Red, Green},  {Magenta, Red}, {Orange, Magenta}};
    for (const auto& [newColour, oldColour] : steps) {
        ReplaceColour(preview, newColour, oldColour, rowDone_);
        Save(preview, newColour);
    }
    MakeBlackPicture(preview);
    Notify(rowDone_);
    Save(preview, Black);
}

QString PictureErrorMessage(const QString& file, const QString& description) {
    return WithDescription(QStringLiteral("画像ファイル出力エラーです。（%1）").arg(file),
                           description);
}

QString ShortFileList(const QStringList& names) {
    // Pieces of one stem are gathered by their digits, in order; everything else stays as named.
    static const QRegularExpression piece(QStringLiteral("^(.*)([0-7])\\.BMP$"));
    QStringList items;
    QString stem;
    QList<int> digits;
    auto flush = [&] {
        QStringList parts;
        for (qsizetype i = 0; i < digits.size();) {
            qsizetype j = i;
            while (j + 1 < digits.size() && digits[j + 1] == digits[j] + 1) {
                ++j;
            }
            if (j - i >= 2) {
                parts << QStringLiteral("%1～%2").arg(digits[i]).arg(digits[j]);
            } else {
                for (qsizetype k = i; k <= j; ++k) {
                    parts << QString::number(digits[k]);
                }
            }
            i = j + 1;
        }
        if (!parts.isEmpty()) {
            items << stem + parts.join(u'・') + QStringLiteral(".BMP");
        }
        digits.clear();
    };
    for (const QString& name : names) {
        const QRegularExpressionMatch m = piece.match(name);
        if (m.hasMatch() && (digits.isEmpty() ||
                             (m.captured(1) == stem && m.captured(2).toInt() > digits.back()))) {
            stem = m.captured(1);
            digits << m.captured(2).toInt();
            continue;
        }
        flush();
        if (m.hasMatch()) {
            stem = m.captured(1);
            digits << m.captured(2).toInt();
        } else {
            items << name;
        }
    }
    flush();
    return items.join(u'、');
}

QString ReportMessage(const ConversionReport& report) {
    QStringList pictures;
    for (const QString& name : report.failed) {
        if (name.endsWith(QStringLiteral(".BMP"))) {
            pictures << name;
        }
    }
    if (pictures.isEmpty()) {
        return {};
    }
    QString first = QStringLiteral("画像ファイル出力エラーです。");
    if (!report.pictureError.isEmpty()) {
        first += QStringLiteral("（%1）").arg(report.pictureError);
    }
    return first + QStringLiteral("\n書き込めなかったファイル：") + ShortFileList(pictures);
}

} // namespace zenbro
