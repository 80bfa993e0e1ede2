#include "ui/picture_bitmaps.h"

#include <vector>

#include "ui/error.h"

namespace ui {

HBITMAP CreateColorBitmap(const art::Picture& picture, COLORREF transparent) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top-down, as the rows are written
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) throw Error("CreateDIBSection failed");
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::uint32_t ground = (GetRValue(transparent) << 16) | (GetGValue(transparent) << 8) | GetBValue(transparent);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t rgb = 0;
            pixels[y * picture.width + x] = art::PixelAt(picture, x, y, rgb) ? rgb : ground;
        }
    return bitmap;
}

HBITMAP CreateMaskBitmap(const art::Picture& picture) {
    const int stride = ((picture.width + 15) / 16) * 2;  // monochrome rows are WORD-aligned
    std::vector<unsigned char> bits(static_cast<std::size_t>(stride * picture.height), 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t rgb = 0;
            if (!art::PixelAt(picture, x, y, rgb)) bits[y * stride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, bits.data());
    if (!mask) throw Error("CreateBitmap failed");
    return mask;
}

HIMAGELIST CreateImageList(const art::Picture* const* pictures, int count) {
    HIMAGELIST list = ImageList_Create(pictures[0]->width, pictures[0]->height, ILC_COLOR24 | ILC_MASK, count, 0);
    if (!list) throw Error("ImageList_Create failed");
    for (int i = 0; i < count; ++i) {
        // Black under the mask, so that drawing through the mask leaves the ground untouched.
        HBITMAP color = CreateColorBitmap(*pictures[i], RGB(0, 0, 0));
        HBITMAP mask = CreateMaskBitmap(*pictures[i]);
        ImageList_Add(list, color, mask);
        DeleteObject(color);
        DeleteObject(mask);
    }
    return list;
}

HICON CreateIcon(const art::Picture& picture) {
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = CreateColorBitmap(picture, RGB(0, 0, 0));
    info.hbmMask = CreateMaskBitmap(picture);
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (!icon) throw Error("CreateIconIndirect failed");
    return icon;
}

}  // namespace ui
