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
    while (!app.terminated_ && app.HandleWork(0)) {
    }
}

}  // namespace test
