// The bytes of a Windows .ico file made from text pictures, so the exe's icon
// resource is built from the same drawing the windows use. Free of <windows.h>.
#pragma once

#include <string>

#include "core/pixel_art.h"

namespace core::art {

// One image per size, each the icon's drawing for that size scaled to it
// (IconDrawing): 32-bit colour with a 1-bit transparency mask.
std::string IconFile(const int* sizes, int count);

}  // namespace core::art
