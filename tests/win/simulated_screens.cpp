#include "tests/win/simulated_screens.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace test {
namespace {

// Windows 10's frame metrics at 96 dpi, each scaled to the window's density:
// a sizable window's border (SM_CXSIZEFRAME) and a fixed one's
// (SM_CXFIXEDFRAME), the padding around either (SM_CXPADDEDBORDER), the
// caption (SM_CYCAPTION).
constexpr int kSizingBorder = 4;
constexpr int kFixedBorder = 3;
constexpr int kPadding = 4;
constexpr int kCaption = 23;
// Windows nests each change in the SetWindowPos that brought it: a program
// that answers one change with the next would overflow its stack.
constexpr int kMostNested = 8;

int Scaled(int value, int dpi) { return MulDiv(value, dpi, core::kDesignDpi); }

}  // namespace

SimulatedScreens* SimulatedScreens::current_ = nullptr;

SimulatedScreens::SimulatedScreens(std::vector<Screen> screens, int systemDpi, bool perMonitorAware)
    : screens_(std::move(screens)), systemDpi_(systemDpi), perMonitorAware_(perMonitorAware),
      real_(ui::screen::Queries()) {
    current_ = this;
    ui::screen::Queries() = {&SystemDpi, &WindowDpi, &Monitors, &NormalBounds, &Frame, &PerMonitorAware};
    afterMessage_ = SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
    beforeCreation_ = SetWindowsHookExA(WH_CBT, &BeforeCreation, nullptr, GetCurrentThreadId());
}

SimulatedScreens::~SimulatedScreens() {
    UnhookWindowsHookEx(beforeCreation_);
    UnhookWindowsHookEx(afterMessage_);
    for (const auto& [window, procedure] : framed_) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    }
    ui::screen::Queries() = real_;
    current_ = nullptr;
}

int SimulatedScreens::SystemDpi() { return current_->systemDpi_; }

int SimulatedScreens::WindowDpi(HWND window) {
    if (!current_->perMonitorAware_) return current_->systemDpi_;
    auto known = current_->windowDpis_.find(window);
    if (known != current_->windowDpis_.end()) return known->second;
    // Made before the desk: at the density of the monitor it is first asked on.
    return current_->windowDpis_[window] = current_->DpiWhere(window);
}

std::vector<core::Monitor> SimulatedScreens::Monitors() {
    std::vector<core::Monitor> monitors;
    for (const Screen& screen : current_->screens_) monitors.push_back(screen.monitor);
    return monitors;
}

core::Bounds SimulatedScreens::NormalBounds(HWND window) {
    core::Bounds b = current_->real_.normalBounds(window);  // Wine's are the screen's
    if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return b;
    const std::vector<core::Monitor> monitors = Monitors();
    const core::Monitor* monitor = core::MonitorOf(b, monitors);
    b.left -= monitor->work.left - monitor->area.left;
    b.top -= monitor->work.top - monitor->area.top;
    return b;
}

core::Frame SimulatedScreens::Frame(HWND window, int dpi) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const int border = Scaled((style & WS_THICKFRAME) ? kSizingBorder : kFixedBorder, dpi) + Scaled(kPadding, dpi);
    return {border, border + Scaled(kCaption, dpi), border, border};
}

bool SimulatedScreens::PerMonitorAware(HWND) { return current_->perMonitorAware_; }

int SimulatedScreens::DpiAt(const core::Bounds& bounds) const {
    const std::vector<core::Monitor> monitors = Monitors();
    const core::Monitor* monitor = core::MonitorOf(bounds, monitors);
    return screens_[static_cast<std::size_t>(monitor - monitors.data())].dpi;
}

int SimulatedScreens::DpiWhere(HWND window) const {
    return DpiAt(IsIconic(window) ? real_.normalBounds(window) : ui::screen::BoundsOf(window));
}

void SimulatedScreens::Drag(HWND window, POINT to) {
    SendMessageA(window, WM_ENTERSIZEMOVE, 0, 0);
    const core::Bounds b = ui::screen::BoundsOf(window);
    const POINT grip{b.left + b.width / 2, b.top + Frame(window, WindowDpi(window)).top / 2};
    dragged_ = window;  // in the move loop the pointer's moves alone change the density
    SetWindowPos(window, nullptr, b.left + to.x - grip.x, b.top + to.y - grip.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int dpi = DpiWhere(window);
    if (perMonitorAware_ && dpi != WindowDpi(window)) ChangeDensity(window, dpi, to);
    dragged_ = nullptr;
    SendMessageA(window, WM_EXITSIZEMOVE, 0, 0);
}

void SimulatedScreens::Follow(HWND window) {
    auto known = windowDpis_.find(window);
    if (!perMonitorAware_ || window == dragged_ || known == windowDpis_.end()) return;
    const int dpi = DpiWhere(window);
    const core::Bounds b = ui::screen::BoundsOf(window);
    if (dpi != known->second) ChangeDensity(window, dpi, {b.left, b.top});
}

void SimulatedScreens::ChangeDensity(HWND window, int dpi, POINT anchor) {
    if (nesting_ == kMostNested) {
        ADD_FAILURE() << "WM_DPICHANGED nested " << nesting_ << " deep: Windows would overflow the stack";
        return;
    }
    const core::Bounds b = ui::screen::BoundsOf(window);
    const int from = std::exchange(windowDpis_[window], dpi);
    SIZE size{b.width, b.height};
    if (!SendMessageA(window, ui::screen::kGetDpiScaledSizeMessage, dpi, reinterpret_cast<LPARAM>(&size)))
        size = {MulDiv(b.width, dpi, from), MulDiv(b.height, dpi, from)};
    const LONG left = anchor.x - MulDiv(anchor.x - b.left, size.cx, b.width);
    const LONG top = anchor.y - MulDiv(anchor.y - b.top, size.cy, b.height);
    RECT suggested{left, top, left + size.cx, top + size.cy};
    suggested_ = {left, top, size.cx, size.cy};
    ++changes_;
    ++nesting_;
    SendMessageA(window, ui::screen::kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    char className[8] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0)
        SetWindowPos(window, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    --nesting_;
}

LRESULT CALLBACK SimulatedScreens::AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && current_ && sent->message == WM_WINDOWPOSCHANGED &&
        !(GetWindowLongA(sent->hwnd, GWL_STYLE) & WS_CHILD))
        current_->Follow(sent->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK SimulatedScreens::BeforeCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_CREATEWND || !current_) return CallNextHookEx(nullptr, code, wParam, lParam);
    const CREATESTRUCTA& made = *reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs;
    if (!(made.style & WS_CHILD)) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const bool placed = made.x != CW_USEDEFAULT;
        const core::Monitor& primary = *core::PrimaryOf(Monitors());
        current_->windowDpis_[window] =
            current_->DpiAt(placed ? core::Bounds{made.x, made.y, made.cx, made.cy} : primary.area);
        if ((made.style & WS_CAPTION) == WS_CAPTION)
            current_->framed_[window] = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Framed)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK SimulatedScreens::Framed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC procedure = current_->framed_.at(window);
    if (message == WM_NCCALCSIZE && !IsIconic(window)) {
        RECT& r = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
        const core::Frame f = Frame(window, WindowDpi(window));
        r = {r.left + f.left, r.top + f.top, r.right - f.right, r.bottom - f.bottom};
        return 0;
    }
    if (message == WM_NCDESTROY) current_->framed_.erase(window);
    return CallWindowProcA(procedure, window, message, wParam, lParam);
}

}  // namespace test
