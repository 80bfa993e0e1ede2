#include "tests/win/simulated_screens.h"

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

int Scaled(int value, int dpi) { return MulDiv(value, dpi, core::kDesignDpi); }

}  // namespace

SimulatedScreens* SimulatedScreens::current_ = nullptr;

SimulatedScreens::SimulatedScreens(std::vector<Screen> screens, int systemDpi)
    : screens_(std::move(screens)), systemDpi_(systemDpi), real_(ui::screen::Queries()) {
    current_ = this;
    ui::screen::Queries() = {&SystemDpi, &WindowDpi, &Monitors, &NormalBounds, &Frame};
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

core::Frame SimulatedScreens::Frame(HWND window, int dpi) {
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const int border = Scaled((style & WS_THICKFRAME) ? kSizingBorder : kFixedBorder, dpi) + Scaled(kPadding, dpi);
    return {border, border + Scaled(kCaption, dpi), border, border};
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
