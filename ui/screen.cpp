#include "ui/screen.h"

#include "ui/system_api.h"

namespace ui::screen {
namespace {

// The handle value of DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, which older
// headers lack.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
constexpr int kPerMonitorAwareness = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : core::kDesignDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : core::kDesignDpi;
}

int SystemDpiOfWindows() {
    static auto* const forSystem = api::FindInUser32<UINT WINAPI()>("GetDpiForSystem");
    return forSystem ? static_cast<int>(forSystem()) : ScreenDpi();
}

int WindowDpiOfWindows(HWND window) {
    static auto* const forWindow = api::FindInUser32<UINT WINAPI(HWND)>("GetDpiForWindow");
    const int dpi = forWindow ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpiOfWindows();
}

core::Bounds FromRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{sizeof info};
    if (GetMonitorInfoA(handle, &info))
        reinterpret_cast<std::vector<core::Monitor>*>(list)->push_back(
            {FromRect(info.rcMonitor), FromRect(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

std::vector<core::Monitor> MonitorsOfWindows() {
    std::vector<core::Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

core::Bounds NormalBoundsOfWindows(HWND window) {
    WINDOWPLACEMENT placement{sizeof placement};
    if (!GetWindowPlacement(window, &placement)) return BoundsOf(window);
    return FromRect(placement.rcNormalPosition);
}

core::Frame FrameOfWindows(HWND window, int dpi) {
    using AdjustForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const forDpi = api::FindInUser32<AdjustForDpi>("AdjustWindowRectExForDpi");
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    RECT r{};
    // Without it (before Windows 10 1607) the process is system-aware: its
    // frames are the system density's.
    if (forDpi) forDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {-r.left, -r.top, r.right, r.bottom};
}

bool PerMonitorAwareOfWindows(HWND window) {
    using ContextOf = HANDLE WINAPI(HWND);
    using AwarenessOf = int WINAPI(HANDLE);
    static auto* const contextOf = api::FindInUser32<ContextOf>("GetWindowDpiAwarenessContext");
    static auto* const awarenessOf = api::FindInUser32<AwarenessOf>("GetAwarenessFromDpiAwarenessContext");
    return contextOf && awarenessOf && awarenessOf(contextOf(window)) == kPerMonitorAwareness;
}

}  // namespace

QueryFunctions& Queries() {
    static QueryFunctions queries{&SystemDpiOfWindows,    &WindowDpiOfWindows, &MonitorsOfWindows,
                                  &NormalBoundsOfWindows, &FrameOfWindows,     &PerMonitorAwareOfWindows};
    return queries;
}

void DeclareAwareness() {
    using SetContext = BOOL WINAPI(HANDLE);
    using SetAware = BOOL WINAPI();
    // Windows 10 1703 on; Wine 8 has the function but refuses version 2.
    if (auto* setContext = api::FindInUser32<SetContext>("SetProcessDpiAwarenessContext"))
        if (setContext(kPerMonitorAwareV2)) return;
    if (auto* setAware = api::FindInUser32<SetAware>("SetProcessDPIAware")) setAware();
}

core::Bounds BoundsOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return FromRect(r);
}

std::optional<core::Bounds> MonitorAreaOf(HWND window) {
    const std::vector<core::Monitor> monitors = Monitors();
    const core::Monitor* monitor = window ? core::MonitorOf(BoundsOf(window), monitors) : core::PrimaryOf(monitors);
    if (!monitor) return std::nullopt;
    return monitor->area;
}

int Metric(int index, int dpi) {
    static auto* const forDpi = api::FindInUser32<int WINAPI(int, UINT)>("GetSystemMetricsForDpi");
    // Without it the process is at most system-aware: the metrics are the system density's.
    return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

}  // namespace ui::screen
