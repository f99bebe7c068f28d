#pragma once
// A 48 x 48 run-length encoded bitmap (RLE8) written by hand, as other painting programs save
// one: each row a literal run of four pixels, then one long run; a jump over two rows once; the
// end-of-picture code last. The file-size field is 0, which the format allows.

#include <QByteArray>
#include <QtEndian>

namespace tolvekin::test {

// Palette index 1 is black, every other one white.
inline QByteArray Rle8Bitmap() {
    QByteArray codes;
    for (int row = 0; row < 48; ++row) {
        if (row == 20) {
            codes.append("\0\x02\0\x02", 4); // jump two rows down
            row += 1;
            continue;
        }
        codes.append("\0\x04\x01\x02\x01\x02", 6); // four literal pixels
        codes.append(static_cast<char>(44));
        codes.append(static_cast<char>(row % 2 == 0 ? 1 : 2));
        codes.append("\0\0", 2); // end of row
    }
    codes.append("\0\x01", 2); // end of picture
    const int paletteAt = 14 + 40;
    const int pixelsAt = paletteAt + 256 * 4;
    QByteArray b(pixelsAt, '\0');
    auto put32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    auto put16 = [&b](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 0); // file size: not given
    put32(10, pixelsAt);
    put32(14, 40);
    put32(18, 48);
    put32(22, 48);
    put16(26, 1);
    put16(28, 8);
    put32(30, 1); // RLE8
    put32(34, static_cast<quint32>(codes.size()));
    put32(46, 256);
    for (int i = 0; i < 256; ++i) {
        put32(paletteAt + 4 * i, i == 1 ? 0x000000u : 0xffffffu);
    }
    return b + codes;
}

} // namespace tolvekin::test
