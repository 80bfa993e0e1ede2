#include "core/icon_file.h"

#include <cstdint>

namespace art {
namespace {

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// A BITMAPINFOHEADER image as an icon stores it: bottom-up colour rows, then
// the mask rows (1 = transparent), each mask row padded to 32 bits.
std::string IconImage(const Picture& picture, int size) {
    std::string image;
    Put32(image, 40);
    Put32(image, static_cast<std::uint32_t>(size));
    Put32(image, static_cast<std::uint32_t>(size * 2));  // colour and mask
    Put16(image, 1);
    Put16(image, 32);
    for (int i = 0; i < 6; ++i) Put32(image, 0);  // no compression, sizes and palette unused
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) {
            std::uint32_t rgb = 0;
            bool opaque = PixelAtSize(picture, size, x, y, rgb);
            Put32(image, opaque ? (0xFF000000u | rgb) : 0);  // BGRA in memory: 0xAARRGGBB little-endian
        }
    const int maskRowBytes = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(maskRowBytes), '\0');
        for (int x = 0; x < size; ++x) {
            std::uint32_t rgb = 0;
            if (!PixelAtSize(picture, size, x, y, rgb)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        image += row;
    }
    return image;
}

}  // namespace

std::string IconFile(const int* sizes, int count) {
    std::string header;
    Put16(header, 0);
    Put16(header, 1);  // an icon
    Put16(header, static_cast<std::uint32_t>(count));
    std::string images;
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(count);
    for (int i = 0; i < count; ++i) {
        const int size = sizes[i];
        std::string image = IconImage(IconDrawing(size), size);
        header += static_cast<char>(size % 256);
        header += static_cast<char>(size % 256);
        header += '\0';  // no palette
        header += '\0';
        Put16(header, 1);   // planes
        Put16(header, 32);  // bits per pixel
        Put32(header, static_cast<std::uint32_t>(image.size()));
        Put32(header, offset);
        offset += static_cast<std::uint32_t>(image.size());
        images += image;
    }
    return header + images;
}

}  // namespace art
