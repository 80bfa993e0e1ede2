#include "tests/win/access.h"

namespace test {

void Access::ResetTermination() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    ui::Application::Instance().terminated_ = false;
}

void Access::HandlePendingMessages() {
    ui::Application& app = ui::Application::Instance();
    while (!app.terminated_) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) app.terminated_ = true;
            else app.Dispatch(msg);
        } else if (!app.RunSignalled()) {
            return;
        }
    }
}

}  // namespace test
