#include "ui/system_colors.h"

namespace ui::colors {
namespace {

bool HighContrastOfWindows() {
    HIGHCONTRASTA contrast{sizeof contrast};
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF ColorOfWindows(int index) { return GetSysColor(index); }

}  // namespace

QueryFunctions& Queries() {
    static QueryFunctions queries{&HighContrastOfWindows, &ColorOfWindows};
    return queries;
}

core::art::Palette PicturePalette() {
    if (!HighContrast()) return {};
    const COLORREF text = Color(COLOR_BTNTEXT);
    return {true, std::uint32_t{GetRValue(text)} << 16 | std::uint32_t{GetGValue(text)} << 8 | GetBValue(text)};
}

}  // namespace ui::colors
