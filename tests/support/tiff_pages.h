#pragma once
// A multi-page TIFF written byte by byte from the format's baseline layout
// (little-endian, uncompressed 8-bit grey, one strip per page): Qt's own
// writer makes one page per file.

#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <vector>

namespace vorn::test {

inline QByteArray MultiPageTiff(const std::vector<QImage>& greyPages) {
    QByteArray file("II*\0", 4);
    const auto u16 = [&](quint16 v) { file.append(reinterpret_cast<const char*>(&v), 2); };
    const auto u32 = [&](quint32 v) { file.append(reinterpret_cast<const char*>(&v), 4); };
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    u32(0); // the first page's directory, patched below
    qsizetype link = 4;
    for (const QImage& page : greyPages) {
        const quint32 pixels = quint32(file.size());
        for (int y = 0; y < page.height(); ++y)
            file.append(reinterpret_cast<const char*>(page.constScanLine(y)), page.width());
        if (file.size() % 2) file.append('\0'); // directories start on a word
        qToLittleEndian<quint32>(quint32(file.size()), file.data() + link);
        const quint32 w = quint32(page.width()), h = quint32(page.height());
        const quint32 entries[][3] = {{256, 4, w}, {257, 4, h}, {258, 3, 8},
                                      {259, 3, 1}, {262, 3, 1}, {273, 4, pixels},
                                      {277, 3, 1}, {278, 4, h}, {279, 4, w * h}};
        u16(quint16(std::size(entries)));
        for (const auto& entry : entries) {
            u16(quint16(entry[0]));
            u16(quint16(entry[1]));
            u32(1);
            entry[1] == 3 ? (u16(quint16(entry[2])), u16(0)) : u32(entry[2]);
        }
        link = file.size();
        u32(0); // the next page's directory, if any
    }
    return file;
}

} // namespace vorn::test
