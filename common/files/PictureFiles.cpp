#include "common/files/PictureFiles.h"

#include "common/files/RegularFiles.h"

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

constexpr quint32 Rle8 = 1;
constexpr quint32 Rle4 = 2;

// Whether run-length codes describe every row of a picture height rows high: they reach the
// end-of-picture code, or row ends for every row, before the bytes run out. Each code is two
// bytes: a count and a value; a count of 0 introduces an escape (0 end of row, 1 end of
// picture, 2 a jump of two more bytes, otherwise that many literal pixels padded to an even
// number of bytes).
bool RunsReachTheEnd(const QByteArray& codes, qint64 height, bool fourBits) {
    qint64 row = 0;
    qsizetype at = 0;
    while (row < height) {
        if (at + 2 > codes.size()) {
            return false;
        }
        const auto count = static_cast<unsigned char>(codes[at]);
        const auto value = static_cast<unsigned char>(codes[at + 1]);
        at += 2;
        if (count != 0) {
            continue; // a run of count pixels
        }
        if (value == 0) {
            ++row;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (at + 2 > codes.size()) {
                return false;
            }
            row += static_cast<unsigned char>(codes[at + 1]);
            at += 2;
        } else {
            const qsizetype bytes = fourBits ? (value + 1) / 2 : value;
            at += bytes + (bytes % 2);
            if (at > codes.size()) {
                return false;
            }
        }
    }
    return true;
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
    if (compression == Rle8 || compression == Rle4) {
        // Run-length pixels end where their codes say: every row must be reached.
        if (pixelsAt >= size || !file.seek(pixelsAt)) {
            return true;
        }
        const QByteArray codes = file.read(size - pixelsAt);
        file.seek(at);
        return !RunsReachTheEnd(codes, std::abs(height), compression == Rle4);
    }
    if (compression != Uncompressed && compression != BitFields) {
        return false; // the decoder refuses what it does not know
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
