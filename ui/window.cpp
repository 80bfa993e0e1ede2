#include "ui/window.h"

#include "ui/application.h"

namespace ui {

Window::~Window() {
    if (!handle_) return;
    // Detach first: messages sent while the window is destroyed must not
    // reach an object that is half gone.
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    if (baseProc_) SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
    DestroyWindow(handle_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallDefault(message, wParam, lParam);
}

LRESULT Window::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (baseProc_) return CallWindowProcA(baseProc_, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

HWND Window::CreateOwnWindow(const char* className, const char* caption, DWORD style, DWORD exStyle,
                             const RECT& bounds, HWND parent) {
    HWND hwnd = CreateWindowExA(exStyle, className, caption, style, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                                GetModuleHandleA(nullptr), this);
    if (!hwnd) throw Error("CreateWindowEx failed");
    return hwnd;
}

void Window::Subclass(HWND control) {
    Attach(control);
    baseProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Trampoline)));
}

void Window::Attach(HWND hwnd) {
    handle_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Window* Window::FromHandle(HWND hwnd) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Window::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(hwnd);
    if (!self && message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) self->Attach(hwnd);
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application::Instance().ReportException();
        return 0;
    }
}

}  // namespace ui
