// Small owning types for what the windows draw with (image lists, bitmaps,
// icons, fonts) and for their shortcut keys. Each handle is freed once, on every path out, also when an exception
// leaves a function half way; no destructor lists handles to free by hand.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "ui/system_api.h"

namespace ui {

template <class Handle, class Free>
class Owned {
 public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() {
        if (handle_) Free{}(handle_);
    }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Hands the handle to whoever frees it from now on.
    Handle Release() { return std::exchange(handle_, nullptr); }

 private:
    Handle handle_ = nullptr;
};

struct FreeImageList {
    void operator()(HIMAGELIST list) const { api::ImageList_Destroy(list); }
};
struct FreeBitmap {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
struct FreeIcon {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct FreeAccelerators {
    void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct FreeFont {
    void operator()(HFONT font) const { DeleteObject(font); }
};

using ImageList = Owned<HIMAGELIST, FreeImageList>;
using Bitmap = Owned<HBITMAP, FreeBitmap>;
using Icon = Owned<HICON, FreeIcon>;
using OwnedFont = Owned<HFONT, FreeFont>;
using Accelerators = Owned<HACCEL, FreeAccelerators>;

}  // namespace ui
