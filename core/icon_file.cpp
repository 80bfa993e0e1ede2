#include "core/icon_file.h"

#include <cstdint>

namespace core::art {
namespace {

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Rows are padded to 32 bits.
int RowBytes(int size, int bitsPerPixel) { return ((size * bitsPerPixel + 31) / 32) * 4; }

// Black line art needs one bit per pixel (every colour bit 0, black, and the
// mask saying which pixels show); anything else gets 32.
int BitsPerPixel(const Picture& picture) {
    for (int i = 0; i < picture.inkCount; ++i)
        if (picture.inks[i].rgb != 0) return 32;
    return 1;
}

// A BITMAPINFOHEADER image as an icon stores it: its palette, bottom-up colour
// rows, then the mask rows (1 = transparent).
std::string IconImage(const Picture& picture, int size) {
    const int bits = BitsPerPixel(picture);
    std::string image;
    Put32(image, 40);
    Put32(image, static_cast<std::uint32_t>(size));
    Put32(image, static_cast<std::uint32_t>(size * 2));  // colour and mask
    Put16(image, 1);
    Put16(image, static_cast<std::uint32_t>(bits));
    for (int i = 0; i < 4; ++i) Put32(image, 0);  // no compression; sizes unused
    Put32(image, bits == 1 ? 2 : 0);               // palette entries
    Put32(image, 0);
    if (bits == 1) {
        Put32(image, 0x000000);  // black
        Put32(image, 0xFFFFFF);  // white, unused
        image.append(static_cast<std::size_t>(RowBytes(size, 1) * size), '\0');
    } else {
        for (int y = size - 1; y >= 0; --y)
            for (int x = 0; x < size; ++x) {
                std::uint32_t rgb = 0;
                bool opaque = PixelAtSize(picture, size, x, y, rgb);
                Put32(image, opaque ? (0xFF000000u | rgb) : 0);  // BGRA in memory: 0xAARRGGBB little-endian
            }
    }
    const int maskRowBytes = RowBytes(size, 1);
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
        const int bits = BitsPerPixel(IconDrawing(size));
        header += static_cast<char>(size % 256);
        header += static_cast<char>(size % 256);
        header += static_cast<char>(bits == 1 ? 2 : 0);  // colours in the palette
        header += '\0';
        Put16(header, 1);  // planes
        Put16(header, static_cast<std::uint32_t>(bits));
        Put32(header, static_cast<std::uint32_t>(image.size()));
        Put32(header, offset);
        offset += static_cast<std::uint32_t>(image.size());
        images += image;
    }
    return header + images;
}

}  // namespace core::art
