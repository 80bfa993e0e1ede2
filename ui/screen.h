// Screens as the system reports them: densities and monitors.
//
// The program declares itself aware of densities, so that Windows does not
// stretch its 96-dpi bitmap into a blur, and draws every window at the
// density of its monitor. The functions that know about densities came with
// later Windows versions: each is looked up in user32 (loaded already) and
// has a fallback, so the exe still starts where they are missing.
//
// Every answer comes through Queries(): tests put in their place a machine
// that Wine cannot be, with monitors of different densities.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/placement.h"

namespace ui::screen {

// WM_DPICHANGED, which the headers for older Windows lack: wParam's low word
// is the new density, lParam the suggested outer rectangle.
inline constexpr UINT kDpiChangedMessage = 0x02E0;
// WM_GETDPISCALEDSIZE (Windows 10 1703 on), sent to a per-monitor aware window
// before WM_DPICHANGED: wParam is the new density, lParam a SIZE, the outer
// size it will have there, which the window may set (and return TRUE).
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

struct QueryFunctions {
    int (*systemDpi)();               // where new windows start
    int (*windowDpi)(HWND window);    // the density a window is drawn at now
    std::vector<core::Monitor> (*monitors)();
    // Where a minimised or maximised window is restored to, as
    // GetWindowPlacement gives it: in workspace coordinates, which start at
    // the work area of its monitor, except for tool windows.
    core::Bounds (*normalBounds)(HWND window);
    // The frame Windows draws around the window's client area at a density.
    core::Frame (*frame)(HWND window, int dpi);
    // Whether the window follows each monitor's density (per-monitor aware),
    // or Windows stretches it there from the system's (system-aware).
    bool (*perMonitorAware)(HWND window);
};
QueryFunctions& Queries();

// Before the first window: per-monitor (version 2) where the system offers
// it, else system-wide.
void DeclareAwareness();

inline int SystemDpi() { return Queries().systemDpi(); }
// The system density for no window.
inline int DpiOf(HWND window) { return window ? Queries().windowDpi(window) : SystemDpi(); }
inline std::vector<core::Monitor> Monitors() { return Queries().monitors(); }
inline core::Bounds NormalBounds(HWND window) { return Queries().normalBounds(window); }
inline core::Frame FrameOf(HWND window, int dpi) { return Queries().frame(window, dpi); }
inline bool PerMonitorAware(HWND window) { return Queries().perMonitorAware(window); }
// A window's outer rectangle, in screen pixels.
core::Bounds BoundsOf(HWND window);
// The area of the monitor of `window`, or of the primary monitor for none.
std::optional<core::Bounds> MonitorAreaOf(HWND window);
// A system metric (SM_CXSMICON...) at a density.
int Metric(int index, int dpi);

}  // namespace ui::screen
