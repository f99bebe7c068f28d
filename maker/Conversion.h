#pragma once
// Turning a character outline into the game's piece pictures, and the character's files: the
// outline picture, the eight piece pictures and the name file. Works on the preview picture
// alone; the window passes a callback that repaints it after each row.

#include "maker/PointGrid.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zenbro {

// The exact colours of the piece pictures.
inline constexpr QRgb Cyan = 0xff00ffff; // everything the outside fill reaches
inline constexpr QRgb Blue = 0xff0000ff;
inline constexpr QRgb Yellow = 0xffffff00;
inline constexpr QRgb Green = 0xff00ff00;
inline constexpr QRgb Red = 0xffff0000;
inline constexpr QRgb Magenta = 0xffff00ff;
inline constexpr QRgb Orange = 0xffff8000;

// The piece colour value (0..7) whose picture has this interior colour; -1 for none (the
// outline picture) or any other colour.
int PictureDigit(std::optional<QRgb> colour);

// "TLVSUN3.BMP" for blue + yellow on the stem TLVSUN, "TLVSUN.BMP" for none or any colour
// without a digit.
QString PictureFileName(const QString& stem, std::optional<QRgb> colour);

// The name file of the stem in dataDir.
QString NameFilePath(const QString& dataDir, const QString& stem);

// Writes the first five characters of name and CR LF in code page 932, replacing the file.
bool WriteNameFile(const QString& path, const QString& name, QString* error);

// Up to five characters of the name file, stopping at its end or at the first line end; "" for
// a missing or unreadable file.
QString ReadNameFile(const QString& path);

// Pictures read back as outlines are refused above this size on either side.
inline constexpr int MaxOutlineSide = 4 * GridSide;

// Reads a picture file for the preview: the picture is laid on a white 48 x 48 sheet from the
// top-left corner (a larger one is cut off, transparent pixels become white). False with the
// reason in error when the file is missing, not a picture or too large.
bool LoadOutlinePicture(const QString& path, QImage* preview, QString* error);

// Writes picture as a 24-bit BMP, replacing the file only once the whole picture is written.
bool SavePicture(const QImage& picture, const QString& path, QString* error);

// Called after each row of the preview has been recoloured, to repaint it.
using RowDone = std::function<void()>;

// The outside fill: seeds the four corners with cyan (over black too), then spreads cyan over
// white pixels that touch it, in three passes of four sweeps, one sweep from each corner.
// White that the passes cannot reach stays white and counts as the interior.
void MakeWhitePicture(QImage& preview, const RowDone& rowDone = {});

// Every pixel of exactly oldColour becomes newColour.
void ReplaceColour(QImage& preview, QRgb newColour, QRgb oldColour, const RowDone& rowDone = {});

// The black piece: the outline becomes white and the orange interior black; cyan stays.
void MakeBlackPicture(QImage& preview);

// Which files a conversion wrote and which it could not write (file names, no folder), with the
// description of the first picture that failed.
struct ConversionReport {
    QStringList written;
    QStringList failed;
    QString pictureError;
};

// The steps of one conversion into dataDir for one stem. A failed name file is told through
// `error` (the window shows it) at once; pictures that cannot be saved are gathered in the
// report, told together at the end. The conversion goes on after every failure.
class Conversion {
public:
    Conversion(QString dataDir, QString stem, RowDone rowDone = {},
               std::function<void(const QString&)> error = {});

    // The name file.
    void WriteName(const QString& name);
    // The outline file, the preview as it is.
    void SaveOutline(const QImage& preview);
    // Pictures 0..7, recolouring the preview from the black-and-white outline step by step.
    void MakePictures(QImage& preview);

    const ConversionReport& Report() const { return report_; }

private:
    void Save(const QImage& preview, std::optional<QRgb> colour);

    QString dataDir_;
    QString stem_;
    RowDone rowDone_;
    std::function<void(const QString&)> error_;
    ConversionReport report_;
};

// The message for a picture that could not be saved.
QString PictureErrorMessage(const QString& file, const QString& description);

// What a conversion tells at its end: one message of two lines naming every picture that could
// not be written (the name file was told on its own); "" when every picture was written.
QString ReportMessage(const ConversionReport& report);

// The file names of one character in a short list: "TLVSUN.BMP、TLVSUN0～7.BMP", with runs of
// three or more piece digits joined by "～".
QString ShortFileList(const QStringList& names);

} // namespace zenbro
