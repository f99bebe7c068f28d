#include "PictureFiles.h"

#include "RegularFiles.h"

#include <QFile>
#include <QImageReader>

namespace tolvekin {

QSize PictureFileSize(const QString& path, const char* format) {
    QFile file;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file, format);
    return reader.size();
}

QImage LoadPictureChecked(const QString& path, QSize maxSize, const char* format) {
    QFile file;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file, format);
    // The header's size decides before any pixel is read; a reader that cannot tell the size
    // without decoding is refused as well.
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.isEmpty() || declared.width() > maxSize.width() ||
        declared.height() > maxSize.height()) {
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.isNull() || image.width() > maxSize.width() ||
        image.height() > maxSize.height()) {
        return {};
    }
    return image;
}

} // namespace tolvekin
