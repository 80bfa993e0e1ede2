#include "ui/picture_bitmaps.h"

#include <vector>

#include "ui/error.h"

namespace ui {

namespace {

// The pictures side by side in one row, as an image list takes a strip.
class Strip {
 public:
    Strip(const art::Picture* const* pictures, int count, int size) : pictures_(pictures), count_(count), size_(size) {}
    int Width() const { return size_ * count_; }
    int Height() const { return size_; }
    bool PixelAt(int x, int y, std::uint32_t& rgb) const {
        return art::PixelAtSize(*pictures_[x / size_], size_, x % size_, y, rgb);
    }

 private:
    const art::Picture* const* pictures_;
    int count_;
    int size_;
};

template <class Source>
Bitmap ColorBitmap(const Source& source, COLORREF transparent) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = source.Width();
    info.bmiHeader.biHeight = -source.Height();  // top-down, as the rows are written
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) throw Error("CreateDIBSection failed");
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::uint32_t ground = (GetRValue(transparent) << 16) | (GetGValue(transparent) << 8) | GetBValue(transparent);
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) {
            std::uint32_t rgb = 0;
            pixels[y * source.Width() + x] = source.PixelAt(x, y, rgb) ? rgb : ground;
        }
    return bitmap;
}

template <class Source>
Bitmap MaskBitmap(const Source& source) {
    const int stride = ((source.Width() + 15) / 16) * 2;  // monochrome rows are WORD-aligned
    std::vector<unsigned char> bits(static_cast<std::size_t>(stride * source.Height()), 0);
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x) {
            std::uint32_t rgb = 0;
            if (!source.PixelAt(x, y, rgb)) bits[y * stride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    Bitmap mask(CreateBitmap(source.Width(), source.Height(), 1, 1, bits.data()));
    if (!mask) throw Error("CreateBitmap failed");
    return mask;
}

}  // namespace

ImageList CreateImageList(const art::Picture* const* pictures, int count, int size) {
    ImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!list) throw Error("ImageList_Create failed");
    // One strip for all: a few GDI objects instead of two per picture.
    Strip strip(pictures, count, size);
    // Black under the mask, so that drawing through the mask leaves the ground untouched.
    const Bitmap color = ColorBitmap(strip, RGB(0, 0, 0));
    const Bitmap mask = MaskBitmap(strip);
    if (ImageList_Add(list.Get(), color.Get(), mask.Get()) < 0) throw Error("ImageList_Add failed");
    return list;
}

Icon CreateIcon(const art::Picture& picture, int size) {
    const art::Picture* pictureAddress = &picture;
    Strip single(&pictureAddress, 1, size);
    const Bitmap color = ColorBitmap(single, RGB(0, 0, 0));
    const Bitmap mask = MaskBitmap(single);
    ICONINFO info{TRUE, 0, 0, mask.Get(), color.Get()};
    Icon icon(CreateIconIndirect(&info));  // copies both bitmaps
    if (!icon) throw Error("CreateIconIndirect failed");
    return icon;
}

}  // namespace ui
