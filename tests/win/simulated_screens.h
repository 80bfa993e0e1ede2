// A machine that Wine cannot be: monitors side by side, each at a density of
// its own, and a system density that may differ from all of them (fixed at
// sign-in). The program's screen queries answer from it, and, as Windows
// does, each top-level window of the thread that comes to lie mostly on a
// monitor of another density gets WM_DPICHANGED with that density and the
// rectangle Windows suggests: where the window is, its size scaled. A
// window's normal placement is given in workspace coordinates, as Windows
// gives it and Wine does not, and its frame is Windows 10's at a density.
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
    SimulatedScreens(std::vector<Screen> screens, int systemDpi);
    ~SimulatedScreens();
    SimulatedScreens(const SimulatedScreens&) = delete;
    SimulatedScreens& operator=(const SimulatedScreens&) = delete;

 private:
    static int SystemDpi();
    static int WindowDpi(HWND window);
    static std::vector<core::Monitor> Monitors();
    static core::Bounds NormalBounds(HWND window);
    static core::Frame Frame(HWND window, int dpi);
    static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam);
    int DpiWhere(HWND window) const;
    void Follow(HWND window);

    static SimulatedScreens* current_;
    std::vector<Screen> screens_;
    int systemDpi_;
    std::map<HWND, int> windowDpis_;  // what each window was told last
    ui::screen::QueryFunctions real_;
    HHOOK hook_;
};

}  // namespace test
