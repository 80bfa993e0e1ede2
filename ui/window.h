// Base of every window whose messages the program handles: forms (windows of
// the program's own class) and subclassed standard controls. All of their
// messages pass through one trampoline, which finds the object and keeps C++
// exceptions from ever unwinding through a Win32 frame.
#pragma once

#include <windows.h>

namespace ui {

class Window {
 public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }

 protected:
    // Handles one message; the default passes it on unchanged.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The handling the window would have without this object.
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

    // Creates a window whose class uses the trampoline as its procedure.
    HWND CreateOwnWindow(const char* className, const char* caption, DWORD style, DWORD exStyle,
                         const RECT& bounds, HWND parent);
    // Routes the messages of a standard control through the trampoline.
    void Subclass(HWND control);

    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
    static Window* FromHandle(HWND hwnd);
    void Attach(HWND hwnd);

    HWND handle_ = nullptr;
    WNDPROC baseProc_ = nullptr;  // null for the program's own window class
};

}  // namespace ui
