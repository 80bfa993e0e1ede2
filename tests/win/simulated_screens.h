// A machine that Wine cannot be: monitors side by side, each at a density of
// its own, and a system density that may differ from all of them (fixed at
// sign-in). The program's screen queries answer from it, and it does what
// Windows 10 does there to the top-level windows of the thread made while it
// lives:
// - A window is at the density of the monitor it is made on, and its frame
//   and caption are Windows 10's at that density.
// - When a window comes to lie mostly on a monitor of another density,
//   inside the SetWindowPos that moved it, it gets WM_GETDPISCALEDSIZE, then
//   WM_DPICHANGED with the rectangle Windows suggests: the size scaled, or the
//   one the window answered, where the window is; in a user's drag, where the
//   pointer keeps its place in the window. A system dialog takes it itself.
// - A minimised window stays on the monitor of its restored rectangle.
// - For a system-aware program nothing of this: its windows stay at the
//   system density and are sent nothing.
// A window's normal placement is given in workspace coordinates, as Windows
// gives it and Wine does not.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "core/placement.h"
#include "ui/screen.h"

namespace test {

class SimulatedScreens {
 public:
    struct Screen {
        core::Monitor monitor;
        int dpi;
    };
    SimulatedScreens(std::vector<Screen> screens, int systemDpi, bool perMonitorAware = true);
    ~SimulatedScreens();
    SimulatedScreens(const SimulatedScreens&) = delete;
    SimulatedScreens& operator=(const SimulatedScreens&) = delete;

    // The user drags `window` by the middle of its title bar until the
    // pointer is at `to`.
    void Drag(HWND window, POINT to);
    // How many WM_DPICHANGED were sent, and the rectangle the last one suggested.
    int DensityChanges() const { return changes_; }
    core::Bounds Suggested() const { return suggested_; }

 private:
    static int SystemDpi();
    static int WindowDpi(HWND window);
    static std::vector<core::Monitor> Monitors();
    static core::Bounds NormalBounds(HWND window);
    static core::Frame Frame(HWND window, int dpi);
    static bool PerMonitorAware(HWND window);
    static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BeforeCreation(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Framed(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    int DpiAt(const core::Bounds& bounds) const;
    int DpiWhere(HWND window) const;
    void Follow(HWND window);
    // Sends the change to `dpi`; `anchor` keeps its place in the window.
    void ChangeDensity(HWND window, int dpi, POINT anchor);

    static SimulatedScreens* current_;
    std::vector<Screen> screens_;
    int systemDpi_;
    bool perMonitorAware_;
    std::map<HWND, int> windowDpis_;   // what each window was told last
    std::map<HWND, WNDPROC> framed_;  // each window whose frame is Windows 10's, and its procedure
    HWND dragged_ = nullptr;
    int nesting_ = 0;
    int changes_ = 0;
    core::Bounds suggested_{};
    ui::screen::QueryFunctions real_;
    HHOOK afterMessage_;
    HHOOK beforeCreation_;
};

// A laptop whose scale was raised to 150 % since sign-in (the system density
// stays 96), a 96-dpi screen to its right, a 120-dpi one to its left and a
// 192-dpi one below it.
inline const std::vector<SimulatedScreens::Screen> kDockedLaptop = {
    {{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true}, 144},
    {{{1024, 0, 1280, 1024}, {1024, 0, 1280, 1024}, false}, 96},
    {{{-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}, false}, 120},
    {{{0, 768, 1024, 768}, {0, 768, 1024, 768}, false}, 192},
};

}  // namespace test
