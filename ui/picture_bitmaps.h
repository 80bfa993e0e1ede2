// Turns text pictures into what Win32 draws: masked image lists and icons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/pixel_art.h"

namespace ui {

// An image list of equally sized, masked pictures.
HIMAGELIST CreateImageList(const art::Picture* const* pictures, int count);
// An icon from a colour picture and its transparency.
HICON CreateIcon(const art::Picture& picture);

}  // namespace ui
