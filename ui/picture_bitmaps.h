// Turns text pictures into what Win32 draws: masked image lists and icons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "resources/pixel_art.h"

namespace ui {

// An image list of equally sized, masked pictures.
HIMAGELIST CreateImageList(const art::Picture* const* pictures, int count);
// An icon from a colour picture and its transparency.
HICON CreateIcon(const art::Picture& picture);
// A 32-bit top-down bitmap; `transparent` fills the pixels the picture leaves out.
HBITMAP CreateColorBitmap(const art::Picture& picture, COLORREF transparent);
// A monochrome mask: 1 where the picture is transparent.
HBITMAP CreateMaskBitmap(const art::Picture& picture);

}  // namespace ui
