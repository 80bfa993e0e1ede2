// An owned GDI font. It can be moved, so that a window can make its font
// again at another density and let the old one go once nothing draws with it.
#pragma once

#include <windows.h>

#include <utility>

#include "ui/error.h"

namespace ui {

class Font {
 public:
    Font(const char* face, int height, BYTE charset, bool underline = false)
        : handle_(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, charset, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face)) {
        if (!handle_) throw Error("CreateFont failed");
    }
    ~Font() {
        if (handle_) DeleteObject(handle_);
    }
    Font(Font&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Font& operator=(Font&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }

    HFONT Handle() const { return handle_; }

 private:
    HFONT handle_;
};

}  // namespace ui
