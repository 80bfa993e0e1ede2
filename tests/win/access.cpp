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
    MSG msg;
    while (!app.terminated_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) app.terminated_ = true;
        else app.Dispatch(msg);
    }
}

}  // namespace test
