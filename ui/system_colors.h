// The system's colours and whether a high-contrast theme is on, as the
// windows draw with them. Every answer comes through Queries(): tests put in
// their place a high-contrast theme, which Wine cannot switch to.
#pragma once

#include <windows.h>

#include "core/pixel_art.h"

namespace ui::colors {

struct QueryFunctions {
    bool (*highContrast)();        // SPI_GETHIGHCONTRAST says it is on
    COLORREF (*color)(int index);  // GetSysColor
};
QueryFunctions& Queries();

inline bool HighContrast() { return Queries().highContrast(); }
inline COLORREF Color(int index) { return Queries().color(index); }
// The palette the program's pictures are drawn in now.
core::art::Palette PicturePalette();

}  // namespace ui::colors
