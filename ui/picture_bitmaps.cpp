#include "ui/picture_bitmaps.h"

#include <vector>

#include "ui/error.h"
#include "ui/system_api.h"

namespace ui {

namespace {

// The pictures side by side in one row, as an image list takes a strip.
class Strip {
 public:
    Strip(const core::art::Picture* const* pictures, int count, int size, const core::art::Palette& palette)
        : pictures_(pictures), count_(count), size_(size), palette_(palette) {}
    int Width() const { return size_ * count_; }
    int Height() const { return size_; }
    bool PixelAt(int x, int y, std::uint32_t& rgb) const {
        if (!core::art::PixelAtSize(*pictures_[x / size_], size_, x % size_, y, rgb)) return false;
        rgb = core::art::Shown(rgb, palette_);
        return true;
    }

 private:
    const core::art::Picture* const* pictures_;
    int count_;
    int size_;
    core::art::Palette palette_;
};

// The strip's colour bitmap, black where it is transparent so that drawing
// through the mask leaves the ground untouched, and its mask: one walk over
// the pixels for both.
struct Bitmaps {
    Bitmap color;
    Bitmap mask;
};

Bitmaps MakeBitmaps(const Strip& strip) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = strip.Width();
    info.bmiHeader.biHeight = -strip.Height();  // top-down, as the rows are written
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmaps made{Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)), Bitmap()};
    if (!made.color) throw Error("CreateDIBSection failed");
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const int stride = ((strip.Width() + 15) / 16) * 2;  // monochrome rows are WORD-aligned
    std::vector<unsigned char> mask(static_cast<std::size_t>(stride * strip.Height()), 0);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < strip.Width(); ++x) {
            std::uint32_t rgb = 0;
            const bool drawn = strip.PixelAt(x, y, rgb);
            pixels[y * strip.Width() + x] = drawn ? rgb : 0;
            if (!drawn) mask[y * stride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    made.mask = Bitmap(CreateBitmap(strip.Width(), strip.Height(), 1, 1, mask.data()));
    if (!made.mask) throw Error("CreateBitmap failed");
    return made;
}

}  // namespace

ImageList CreateImageList(const core::art::Picture* const* pictures, int count, int size,
                          const core::art::Palette& palette) {
    ImageList list(api::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!list) throw Error("ImageList_Create failed");
    // One strip for all: a few GDI objects instead of two per picture.
    Strip strip(pictures, count, size, palette);
    const Bitmaps bitmaps = MakeBitmaps(strip);
    if (api::ImageList_Add(list.Get(), bitmaps.color.Get(), bitmaps.mask.Get()) < 0) throw Error("ImageList_Add failed");
    return list;
}

Icon CreateIcon(const core::art::Picture& picture, int size, const core::art::Palette& palette) {
    const core::art::Picture* pictureAddress = &picture;
    Strip single(&pictureAddress, 1, size, palette);
    const Bitmaps bitmaps = MakeBitmaps(single);
    ICONINFO info{TRUE, 0, 0, bitmaps.mask.Get(), bitmaps.color.Get()};
    Icon icon(CreateIconIndirect(&info));  // copies both bitmaps
    if (!icon) throw Error("CreateIconIndirect failed");
    return icon;
}

}  // namespace ui
