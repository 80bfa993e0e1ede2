// A form's bounds, its centring and its densities.
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/form.h"
#include "ui/screen.h"

namespace ui {
namespace {

// Redraw off while it lives, then the whole window drawn once; nothing for a
// hidden window (turning redraw on would mark it visible).
class RedrawHeld {
 public:
    explicit RedrawHeld(HWND window) : window_(IsWindowVisible(window) ? window : nullptr) {
        if (window_) SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawHeld() {
        if (!window_) return;
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    RedrawHeld(const RedrawHeld&) = delete;
    RedrawHeld& operator=(const RedrawHeld&) = delete;

 private:
    HWND window_;
};

// Sets a flag for as long as it lives.
class Raised {
 public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

 private:
    bool& flag_;
};

Bounds FromRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

// Laid out at the density of the monitor it will show on, with the frame it
// will have there, then centred there.
void Form::PlaceForFirstShow() {
    HWND active = GetActiveWindow();
    ChangeDpi(screen::DpiOf(active), std::nullopt);
    CenterOnMonitorOf(active);
}

void Form::CenterOnMonitorOf(HWND window) {
    const std::optional<Bounds> area = screen::MonitorAreaOf(window);
    if (area) SetBounds(core::CenteredIn(GetBounds(), *area));
}

void Form::MovedToDpi(int dpi, const RECT& suggested) {
    // A system-aware window (before Windows 10 1703) is stretched by Windows
    // itself: scaled here too, it would be scaled twice.
    if (!screen::PerMonitorAware(Handle())) return;
    // Placed by the program: the bounds it sets. Windows' scaled size could
    // take a window across two densities back to the other, and so on.
    ChangeDpi(dpi, placing_ ? *placing_ : FromRect(suggested));
}

void Form::ChangeDpi(int dpi, std::optional<Bounds> rect) {
    if (changingDpi_) {
        // Brought by the change being taken: its density only; that change
        // places and lays out.
        AdoptFontsAndMetrics(dpi);
        return;
    }
    RedrawHeld held(Handle());
    {
        Raised changing(changingDpi_);
        AdoptFontsAndMetrics(dpi);
        Bounds target = rect.value_or(GetBounds());
        if (const std::optional<SIZE> size = FixedOuterSize(dpi_)) {
            target.width = size->cx;
            target.height = size->cy;
        }
        // The frame Windows draws follows the density, also where the window stays.
        ApplyBounds(target, SWP_FRAMECHANGED);
    }
    LayOutClient();
}

void Form::AdoptFontsAndMetrics(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;  // first: the size limits of the new density hold from now on
    RescaleFonts();
    DpiChanged();
}

// A fixed client area scales otherwise than Windows' scaling of the whole
// window: the frame does not grow with it in proportion.
std::optional<SIZE> Form::FixedOuterSize(int dpi) const {
    if (!fixedClient_) return std::nullopt;
    return OuterSize(core::ScaleToDpi(fixedClient_->x, dpi), core::ScaleToDpi(fixedClient_->y, dpi), dpi);
}

bool Form::ScaledSize(int dpi, SIZE& size) const {
    if (const std::optional<SIZE> fixed = FixedOuterSize(dpi)) {
        size = *fixed;
        return true;
    }
    // Scaled as Windows would, but not below the least size there, which
    // does not scale in proportion either.
    const SIZE least = LeastSize(dpi);
    const SIZE scaled{MulDiv(size.cx, dpi, dpi_), MulDiv(size.cy, dpi, dpi_)};
    size = {std::max(scaled.cx, least.cx), std::max(scaled.cy, least.cy)};
    return size.cx != scaled.cx || size.cy != scaled.cy;
}

void Form::LayOutClient() {
    RECT client;
    GetClientRect(Handle(), &client);
    ClientResized(client.right, client.bottom);
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
    return FromRect(r);
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
    // A change of density that this move brings keeps these bounds, under the
    // size limits of that density: stored ones would creep at every start.
    const std::optional<Bounds> outer = std::exchange(placing_, bounds);
    ApplyBounds(bounds);
    placing_ = outer;
}

void Form::ApplyBounds(Bounds b, UINT flags) {
    const SIZE least = LeastSize(dpi_);
    b.width = std::max<int>(b.width, least.cx);
    b.height = std::max<int>(b.height, least.cy);
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

void Form::SetMinSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    SetBounds(GetBounds());
}

void Form::SetClientSize(int width, int height) {
    fixedClient_ = core::Point{width, height};
    const SIZE outer = OuterSize(Scale(width), Scale(height), dpi_);
    const Bounds b = GetBounds();
    SetBounds({b.left, b.top, outer.cx, outer.cy});
}

SIZE Form::OuterSize(int clientWidth, int clientHeight, int dpi) const {
    const core::Frame frame = screen::FrameOf(Handle(), dpi);
    return {clientWidth + frame.left + frame.right, clientHeight + frame.top + frame.bottom};
}

SIZE Form::LeastSize(int dpi) const {
    const SIZE needed = OuterSize(LeastClientWidth(dpi), 0, dpi);
    return {std::max<LONG>(core::ScaleToDpi(minWidth_, dpi), needed.cx),
            std::max<LONG>(core::ScaleToDpi(minHeight_, dpi), needed.cy)};
}

void Form::ApplyMinSize(MINMAXINFO& info) const {
    const SIZE least = LeastSize(dpi_);
    info.ptMinTrackSize.x = std::max(info.ptMinTrackSize.x, least.cx);
    info.ptMinTrackSize.y = std::max(info.ptMinTrackSize.y, least.cy);
}

}  // namespace ui
