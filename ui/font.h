// An owned GDI font.
#pragma once

#include <windows.h>

#include "ui/error.h"

namespace ui {

class Font {
 public:
    Font(const char* face, int height, BYTE charset, bool underline = false)
        : handle_(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, charset, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face)) {
        if (!handle_) throw Error("CreateFont failed");
    }
    ~Font() { DeleteObject(handle_); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT Handle() const { return handle_; }

 private:
    HFONT handle_;
};

}  // namespace ui
