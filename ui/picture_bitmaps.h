// Turns text pictures into what Win32 draws: masked image lists and icons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/pixel_art.h"
#include "ui/handles.h"

namespace ui {

// An image list of masked pictures, each drawn `size` pixels square in `palette`.
ImageList CreateImageList(const core::art::Picture* const* pictures, int count, int size,
                          const core::art::Palette& palette = {});
// An icon, `size` pixels square, from a colour picture and its transparency.
Icon CreateIcon(const core::art::Picture& picture, int size, const core::art::Palette& palette = {});

}  // namespace ui
