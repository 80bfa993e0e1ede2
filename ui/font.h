// An owned GDI font whose height is given at 96 dpi. It can be made again at
// another density and moved, so that a window can take the new font and let
// the old one go once nothing draws with it.
#pragma once

#include <windows.h>

#include <utility>

#include "core/geometry.h"
#include "ui/error.h"

namespace ui {

class Font {
 public:
    // `height` as CreateFont takes it (negative: the character height), at 96
    // dpi; the font is made at `dpi`.
    Font(const char* face, int height, BYTE charset, bool underline = false, int dpi = core::kDesignDpi)
        : face_(face), height_(height), charset_(charset), underline_(underline),
          handle_(CreateFontA(core::ScaleToDpi(height, dpi), 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, charset,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              face)) {
        if (!handle_) throw Error("CreateFont failed");
    }
    ~Font() {
        if (handle_) DeleteObject(handle_);
    }
    Font(Font&& other) noexcept
        : face_(other.face_), height_(other.height_), charset_(other.charset_), underline_(other.underline_),
          handle_(std::exchange(other.handle_, nullptr)) {}
    Font& operator=(Font&& other) noexcept {
        std::swap(face_, other.face_);
        std::swap(height_, other.height_);
        std::swap(charset_, other.charset_);
        std::swap(underline_, other.underline_);
        std::swap(handle_, other.handle_);
        return *this;
    }

    HFONT Handle() const { return handle_; }
    // The same font at another density.
    Font AtDpi(int dpi) const { return Font(face_, height_, charset_, underline_, dpi); }

 private:
    const char* face_;  // a literal of the program's
    int height_;
    BYTE charset_;
    bool underline_;
    HFONT handle_;
};

}  // namespace ui
