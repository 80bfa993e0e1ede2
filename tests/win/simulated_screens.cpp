#include "tests/win/simulated_screens.h"

namespace test {

SimulatedScreens* SimulatedScreens::current_ = nullptr;

SimulatedScreens::SimulatedScreens(std::vector<Screen> screens, int systemDpi)
    : screens_(std::move(screens)), systemDpi_(systemDpi), real_(ui::screen::Queries()) {
    current_ = this;
    ui::screen::Queries() = {&SystemDpi, &WindowDpi, &Monitors, &NormalBounds};
    hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
}

SimulatedScreens::~SimulatedScreens() {
    UnhookWindowsHookEx(hook_);
    ui::screen::Queries() = real_;
    current_ = nullptr;
}

int SimulatedScreens::SystemDpi() { return current_->systemDpi_; }

int SimulatedScreens::WindowDpi(HWND window) {
    auto known = current_->windowDpis_.find(window);
    if (known != current_->windowDpis_.end()) return known->second;
    // A window first asked about is at the density of the monitor it was made on.
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

int SimulatedScreens::DpiWhere(HWND window) const {
    const std::vector<core::Monitor> monitors = Monitors();
    const core::Monitor* monitor = core::MonitorOf(ui::screen::BoundsOf(window), monitors);
    return screens_[static_cast<std::size_t>(monitor - monitors.data())].dpi;
}

void SimulatedScreens::Follow(HWND window) {
    auto known = windowDpis_.find(window);
    if (known == windowDpis_.end()) return;  // asked about later, where it is then
    const int from = known->second;
    const int to = DpiWhere(window);
    if (to == from) return;
    known->second = to;
    RECT r;
    GetWindowRect(window, &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, to, from), r.top + MulDiv(r.bottom - r.top, to, from)};
    SendMessageA(window, ui::screen::kDpiChangedMessage, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

LRESULT CALLBACK SimulatedScreens::AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && current_ && sent->message == WM_WINDOWPOSCHANGED &&
        !(GetWindowLongA(sent->hwnd, GWL_STYLE) & WS_CHILD))
        current_->Follow(sent->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace test
