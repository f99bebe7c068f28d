#pragma once
// Pictures read from the data folder. A picture file is checked before it is decoded: only a
// regular file whose declared size stays within a bound is read, so a tiny file announcing a
// huge image cannot take the program's memory, and a bitmap cut off before the end of its
// pixels is refused instead of being shown with whatever the decoder made of the missing part.

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>

namespace tolvekin {

// A character picture is one 48 x 48 cell; more than four cells on a side is no such picture.
inline constexpr QSize MaxCellPictureSize{4 * 48, 4 * 48};
// A background picture larger than any screen on a side is refused.
inline constexpr QSize MaxScreenPictureSize{8192, 8192};

// The declared size of the picture in path, or an invalid size when the file is missing, not a
// regular file or not a picture. format as for QImageReader (nullptr: guessed from content).
QSize PictureFileSize(const QString& path, const char* format = nullptr);

// Whether file holds a BMP that is shorter than its header says: the file size it declares, or
// for uncompressed pixels the end of the last row, lies beyond the end of the file, or its
// run-length codes (RLE8, RLE4) stop before the last row. False for a
// whole BMP and for any other kind of file. Reads the header from the start of file and puts
// the position back.
bool IsCutOffBmp(QIODevice& file);

// The picture in path, or a null image when the file is missing, not a regular file, declares
// a size wider or higher than maxSize, is a cut-off BMP or does not decode. The caller then
// keeps what it had.
QImage LoadPictureChecked(const QString& path, QSize maxSize, const char* format = nullptr);

} // namespace tolvekin
