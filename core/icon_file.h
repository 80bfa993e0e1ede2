// The bytes of a Windows .ico file made from text pictures, so the exe's icon
// resource is built from the same drawing the windows use. Free of <windows.h>.
#pragma once

#include <string>

#include "core/pixel_art.h"

namespace art {

// One image per picture: 32-bit colour with a 1-bit transparency mask.
std::string IconFile(const Picture* const* pictures, int count);

}  // namespace art
