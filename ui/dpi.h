// Screen density. The program declares itself aware of it, so that Windows
// does not stretch its 96-dpi bitmap into a blur, and draws every window at
// the density of its monitor. The functions that know about densities came
// with later Windows versions: each is looked up in user32 (loaded already)
// and has a fallback, so the exe still starts where they are missing.
#pragma once

#include <windows.h>

namespace ui::dpi {

// WM_DPICHANGED, which the headers for older Windows lack: wParam's low word
// is the new density, lParam the suggested outer rectangle.
inline constexpr UINT kChangedMessage = 0x02E0;

// Before the first window: per-monitor (version 2) where the system offers
// it, else system-wide.
void DeclareAwareness();
// The density that new windows start at.
int System();
// The density a window is drawn at now.
int Of(HWND window);
// A system metric (SM_CXSMICON...) at a density.
int Metric(int index, int dpi);

}  // namespace ui::dpi
