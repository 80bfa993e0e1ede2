// A form's bounds, its centring and its densities.
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/form.h"
#include "ui/screen.h"

namespace ui {

// Laid out at the density of the monitor it will show on, then centred there.
// Centred first, the change of density on arrival would grow it from its
// top-left corner, off centre.
void Form::PlaceForFirstShow() {
    HWND active = GetActiveWindow();
    AdoptDpi(screen::DpiOf(active));
    CenterOnMonitorOf(active);
}

// Centred on the monitor of `window`, or on the primary one for none.
void Form::CenterOnMonitorOf(HWND window) {
    const std::vector<core::Monitor> monitors = screen::Monitors();
    const core::Monitor* monitor =
        window ? core::MonitorOf(screen::BoundsOf(window), monitors) : core::PrimaryOf(monitors);
    if (monitor) SetBounds(core::CenteredIn(GetBounds(), monitor->area));
}

void Form::MovedToDpi(int dpi, const RECT& suggested) {
    if (dpi != dpi_) {
        dpi_ = dpi;  // first: the size limits of the new density hold for the move
        // Windows scales the size the window had. When the program itself
        // moved it there, SetBounds puts back the bounds it was given.
        SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        RescaleFonts();
    }
    // Also at the density the form had already taken for its first showing:
    // only now does the frame Windows draws follow it.
    DpiChanged();
    if (centering_) CenterOnMonitorOf(GetActiveWindow());
}

void Form::AdoptDpi(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    RescaleFonts();
    DpiChanged();
}

void Form::Place(HWND control, const Bounds& bounds) const {
    const Bounds b = Scale(bounds);
    SetWindowPos(control, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

struct FontSwap {
    HFONT from;
    HFONT to;
};

BOOL CALLBACK SwapFont(HWND window, LPARAM lParam) {
    const auto* swap = reinterpret_cast<const FontSwap*>(lParam);
    if (reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)) == swap->from)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(swap->to), TRUE);
    return TRUE;
}

}  // namespace

void Form::RescaleFonts() {
    for (Font& font : fonts_) {
        Font next(font.Spec(), dpi_);
        FontSwap swap{font.Handle(), next.Handle()};
        SwapFont(Handle(), reinterpret_cast<LPARAM>(&swap));
        EnumChildWindows(Handle(), &SwapFont, reinterpret_cast<LPARAM>(&swap));
        font = std::move(next);  // the old one goes: nothing draws with it now
    }
}

Bounds Form::GetBounds() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Bounds Form::RestoredBounds() const {
    Bounds b = screen::NormalBounds(Handle());
    // Workspace coordinates differ from the screen's when the task bar is at
    // the top or the left of the window's monitor; tool windows use the screen's.
    if (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return b;
    const std::vector<core::Monitor> monitors = screen::Monitors();
    if (const core::Monitor* monitor = core::MonitorOf(b, monitors)) {
        b.left += monitor->work.left - monitor->area.left;
        b.top += monitor->work.top - monitor->area.top;
    }
    return b;
}

void Form::SetBounds(Bounds bounds) {
    const int before = dpi_;
    ApplyBounds(bounds);
    // The move took the window to another density: Windows' scaled size
    // gives way to the bounds asked for (stored ones would creep at every
    // start), under the size limits of that density.
    if (dpi_ != before) ApplyBounds(bounds);
}

void Form::ApplyBounds(Bounds b) {
    b.width = std::max(b.width, Scale(minWidth_));
    b.height = std::max(b.height, Scale(minHeight_));
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetMinSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    SetBounds(GetBounds());
}

void Form::SetClientSize(int width, int height) {
    // The frame as it is drawn now, at the window's density: after a change of
    // density the window has already taken the new frame with its new size.
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetBounds({window.left, window.top, Scale(width) + frameWidth, Scale(height) + frameHeight});
}

void Form::ApplyMinSize(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = std::max<LONG>(info.ptMinTrackSize.x, Scale(minWidth_));
    info.ptMinTrackSize.y = std::max<LONG>(info.ptMinTrackSize.y, Scale(minHeight_));
}

}  // namespace ui
