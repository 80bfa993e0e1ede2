#include "ui/window.h"

#include "ui/application.h"
#include "ui/error.h"

namespace ui {

Window::~Window() {
    // Reached with a live window only when no Destroy() came first: unhooked
    // before anything else, since the derived object is already gone.
    HWND hwnd = handle_;
    if (!hwnd) return;
    Detach();
    if (ownsWindow_) DestroyWindow(hwnd);
}

void Window::Destroy() {
    // WM_NCDESTROY detaches the object on the way.
    if (handle_) DestroyWindow(handle_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallDefault(message, wParam, lParam);
}

LRESULT Window::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (baseProc_) return CallWindowProcA(baseProc_, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

HWND Window::CreateOwnWindow(const char* className, const char* caption, DWORD style, DWORD exStyle,
                             const core::Bounds& bounds, HWND parent, int id) {
    HWND hwnd = CreateWindowExA(exStyle, className, caption, style, bounds.left, bounds.top, bounds.width,
                                bounds.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), this);
    if (!hwnd) throw Error("CreateWindowEx failed");
    ownsWindow_ = true;
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

void Window::Detach() {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    if (baseProc_) SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
    handle_ = nullptr;
    baseProc_ = nullptr;
}

void Window::AnnotateOnce() {
    if (annotated_ || annotation_.Empty()) return;
    annotated_ = true;
    accessibility::annotate(handle_, annotation_);
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
    LRESULT result = 0;
    try {
        // Before the window answers: the client's proxy then finds the annotation.
        if (message == WM_GETOBJECT) self->AnnotateOnce();
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application::Instance().ReportException();
    }
    // The last message the window gets: the object lets go of it.
    if (message == WM_NCDESTROY) self->Detach();
    return result;
}

}  // namespace ui
