// Thin, non-owning wrappers over standard controls: a control is its window
// handle, and these name the few messages the forms send to it.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Control {
 public:
    Control() = default;
    explicit Control(HWND handle) : handle_(handle) {}
    HWND Handle() const { return handle_; }

    std::string Text() const;
    void SetText(const std::string& text) { SetWindowTextA(handle_, text.c_str()); }
    void Focus() { SetFocus(handle_); }

 private:
    HWND handle_ = nullptr;
};

class CheckBox : public Control {
 public:
    using Control::Control;
    bool Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(bool checked) { SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
};

class Button : public Control {
 public:
    using Control::Control;
    void Click() { SendMessageA(Handle(), BM_CLICK, 0, 0); }
};

// The width and height of a text in a font, as a label sized to it would be.
SIZE TextSize(HFONT font, const std::string& text);
// A text of the system code page in UTF-16, for the functions that take only that.
std::wstring Widened(const std::string& text);

}  // namespace ui
