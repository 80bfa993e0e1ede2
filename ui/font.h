// An owned GDI font made from a description whose height is given at 96 dpi,
// at the density of the window that draws with it. It can be made again at
// another density and moved, so that a window can take the new font and let
// the old one go once nothing draws with it.
#pragma once

#include <windows.h>

#include <utility>

#include "core/font_spec.h"
#include "core/geometry.h"
#include "ui/error.h"

namespace ui {

using core::FontSpec;

class Font {
 public:
    Font() = default;
    Font(const FontSpec& spec, int dpi)
        : spec_(spec),
          handle_(CreateFontA(core::ScaleToDpi(spec.height, dpi), 0, 0, 0, FW_NORMAL, FALSE, spec.underline, FALSE,
                              spec.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, spec.face)) {
        if (!handle_) throw Error("CreateFont failed");
    }
    ~Font() {
        if (handle_) DeleteObject(handle_);
    }
    Font(Font&& other) noexcept : spec_(other.spec_), handle_(std::exchange(other.handle_, nullptr)) {}
    Font& operator=(Font&& other) noexcept {
        std::swap(spec_, other.spec_);
        std::swap(handle_, other.handle_);
        return *this;
    }

    HFONT Handle() const { return handle_; }
    const FontSpec& Spec() const { return spec_; }

 private:
    FontSpec spec_{};
    HFONT handle_ = nullptr;
};

}  // namespace ui
