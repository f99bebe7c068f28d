#include "common/PictureFiles.h"

#include "common/RegularFiles.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace tolvekin {
namespace {

// The fields of a BMP's headers that tell how long the file must be.
constexpr qint64 FileHeaderBytes = 14;
constexpr quint32 CoreHeaderBytes = 12; // the oldest header: 16-bit width and height
constexpr quint32 Uncompressed = 0;
constexpr quint32 BitFields = 3;

quint32 Le32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 Le16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

bool IsCutOffBmp(QIODevice& file) {
    const qint64 at = file.pos();
    if (!file.seek(0)) {
        return false;
    }
    const QByteArray head = file.read(FileHeaderBytes + 40);
    file.seek(at);
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') {
        return false;
    }
    const qint64 size = file.size();
    if (head.size() < FileHeaderBytes + 16) {
        return true; // not even the headers are whole
    }
    const quint32 declaredSize = Le32(head, 2);
    const quint32 pixelsAt = Le32(head, 10);
    if (declaredSize != 0 && declaredSize > size) {
        return true;
    }
    const quint32 infoSize = Le32(head, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = Uncompressed;
    if (infoSize == CoreHeaderBytes) {
        width = Le16(head, 18);
        height = Le16(head, 20);
        bits = Le16(head, 24);
    } else {
        if (head.size() < FileHeaderBytes + 20) {
            return true;
        }
        width = static_cast<qint32>(Le32(head, 18));
        height = static_cast<qint32>(Le32(head, 22));
        bits = Le16(head, 28);
        compression = Le32(head, 30);
    }
    if (compression != Uncompressed && compression != BitFields) {
        return false; // run-length pixels end where their codes say; the declared size decides
    }
    if (width <= 0 || bits <= 0 || bits > 32) {
        return false; // the decoder refuses it on its own
    }
    // Each row is padded to a multiple of four bytes; a negative height is a top-down picture.
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    const qint64 pixelsEnd = static_cast<qint64>(pixelsAt) + rowBytes * std::abs(height);
    return pixelsEnd > size;
}

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
    if (IsCutOffBmp(file)) {
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
