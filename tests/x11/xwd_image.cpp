#include "xwd_image.h"

#include <bit>
#include <cstdint>

namespace vorn::x11 {

namespace {

// The header's fields, in file order; every one is 32 bits, most significant byte first.
enum Field {
    kHeaderSize,
    kFileVersion,
    kPixmapFormat,
    kPixmapDepth,
    kWidth,
    kHeight,
    kXOffset,
    kByteOrder,
    kBitmapUnit,
    kBitmapBitOrder,
    kBitmapPad,
    kBitsPerPixel,
    kBytesPerLine,
    kVisualClass,
    kRedMask,
    kGreenMask,
    kBlueMask,
    kBitsPerRgb,
    kColormapEntries,
    kColorCount,
    kFieldCount = 25,
};
constexpr int kColorEntrySize = 12;
constexpr std::uint32_t kZPixmap = 2, kTrueColor = 4, kLsbFirst = 0;

std::uint32_t BigEndian32(const unsigned char* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// One 8-bit channel from a pixel value and the channel's mask.
int Channel(std::uint32_t pixel, std::uint32_t mask) {
    const int shift = std::countr_zero(mask);
    const std::uint32_t top = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / top);
}

} // namespace

QImage DecodeXwd(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.constData());
    const auto size = static_cast<std::size_t>(file.size());
    if (size < kFieldCount * 4) return {};
    const auto field = [bytes](Field f) { return BigEndian32(bytes + 4 * f); };

    const std::uint32_t bitsPerPixel = field(kBitsPerPixel);
    const std::uint32_t masks[] = {field(kRedMask), field(kGreenMask), field(kBlueMask)};
    if (field(kPixmapFormat) != kZPixmap || field(kVisualClass) < kTrueColor ||
        (bitsPerPixel != 24 && bitsPerPixel != 32) || !masks[0] || !masks[1] || !masks[2])
        return {};
    const int width = static_cast<int>(field(kWidth)), height = static_cast<int>(field(kHeight));
    const std::size_t perLine = field(kBytesPerLine), perPixel = bitsPerPixel / 8;
    const std::size_t start =
        field(kHeaderSize) + std::size_t{field(kColorCount)} * kColorEntrySize;
    if (width <= 0 || height <= 0 || perLine < perPixel * width || start + perLine * height > size)
        return {};

    const bool leastFirst = field(kByteOrder) == kLsbFirst;
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const unsigned char* line = bytes + start + perLine * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = line + perPixel * x;
            std::uint32_t pixel = 0;
            for (std::size_t b = 0; b < perPixel; ++b)
                pixel |= std::uint32_t{p[leastFirst ? b : perPixel - 1 - b]} << (8 * b);
            out[x] =
                qRgb(Channel(pixel, masks[0]), Channel(pixel, masks[1]), Channel(pixel, masks[2]));
        }
    }
    return image;
}

} // namespace vorn::x11
