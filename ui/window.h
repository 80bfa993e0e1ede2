// Base of every window whose messages the program handles: forms (windows of
// the program's own class) and subclassed standard controls. All of their
// messages pass through one trampoline, which finds the object and keeps C++
// exceptions from ever unwinding through a Win32 frame.
//
// Who owns what: a Window object owns the window it created itself (a form, a
// panel) and only borrows a standard control that it subclassed (the control's
// parent destroys it). The most-derived class calls Destroy() first thing in
// its destructor, so that the window and its children go while everything they
// draw with (fonts, image lists, icons: members of that class) is still alive;
// the members are released after it. A window destroyed by its parent lets go
// of its object at WM_NCDESTROY, and the object never touches the handle again.
#pragma once

#include <windows.h>

#include "core/geometry.h"
#include "ui/accessibility.h"

namespace ui {

class Window {
 public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return handle_; }
    // Destroys the window and its children now (nothing when there is none).
    void Destroy();
    // What accessibility clients are told of the window beyond its class and
    // text, from the first request of one on.
    void SetAnnotation(const accessibility::Annotation& annotation) { annotation_ = annotation; }

 protected:
    // Handles one message; the default passes it on unchanged.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The handling the window would have without this object.
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

    // Creates a window whose class uses the trampoline as its procedure.
    HWND CreateOwnWindow(const char* className, const char* caption, DWORD style, DWORD exStyle,
                         const core::Bounds& bounds, HWND parent, int id = 0);
    // Routes the messages of a standard control through the trampoline.
    void Subclass(HWND control);

    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
    static Window* FromHandle(HWND hwnd);
    void Attach(HWND hwnd);
    // Unhooks the object from its window, which then runs without it.
    void Detach();
    void AnnotateOnce();

    HWND handle_ = nullptr;
    WNDPROC baseProc_ = nullptr;  // null for the program's own window classes
    bool ownsWindow_ = false;
    accessibility::Annotation annotation_;
    bool annotated_ = false;
};

// A standard control whose messages the program leaves alone, subclassed only
// to hear the first request of an accessibility client.
class AnnotatedControl : public Window {
 public:
    void Attach(HWND control, const accessibility::Annotation& annotation) {
        Subclass(control);
        SetAnnotation(annotation);
    }
};

}  // namespace ui
