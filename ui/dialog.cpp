#include "ui/dialog.h"

#include <oleacc.h>

#include "ui/controls.h"

namespace ui {
namespace {

constexpr char kTab = 9;
constexpr char kEnter = 13;

}  // namespace

void Dialog::KeyPress(HWND target, char& key) {
    if (key == kTab) {
        HWND next = GetNextDlgTabItem(Handle(), GetFocus(), GetKeyState(VK_SHIFT) < 0);
        if (next) {
            SetFocus(next);
            key = 0;
            // As the dialog manager does: from the first Tab on, the focus shows.
            SendMessageA(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        }
        return;
    }
    if (key != kEnter) return Form::KeyPress(target, key);
    // A focused control that answers as a push button takes Enter, as the
    // dialog manager asks it; else the default button.
    HWND focus = GetFocus();
    const LRESULT code = focus ? SendMessageA(focus, WM_GETDLGCODE, 0, 0) : 0;
    HWND button = code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON) ? focus : defaultButton_;
    if (!button) return;
    key = 0;
    SendMessageA(button, BM_CLICK, 0, 0);
}

void Dialog::CreateDialogForm(const char* caption, const Bounds& bounds, const FontSpec& font, HWND owner) {
    CreateForm({.caption = caption,
                .bounds = bounds,
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                .exStyle = WS_EX_DLGMODALFRAME,
                .font = font,
                .owner = owner,
                .dialog = true});
    SetAnnotation({.role = ROLE_SYSTEM_DIALOG});  // its window class is the program's, not the dialog manager's
}

void Dialog::MakeControls(std::span<const ControlSpec> controls, Panel& panel) {
    for (const ControlSpec& control : controls) {
        if (!control.className) {
            panel.Create(Handle(), {}, control.id);
            panel_ = panel.Handle();
            continue;
        }
        CreateControl(control.className, control.text, control.style, control.exStyle, {}, control.id,
                      control.inPanel ? panel_ : nullptr);
    }
}

void Dialog::PlaceControls(std::span<const ControlSpec> controls) {
    for (const ControlSpec& control : controls) {
        HWND item = Item(control.id);
        if (control.bounds.width > 0) {
            Place(item, control.bounds);
            continue;
        }
        const HFONT font = reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0));
        const SIZE size = TextSize(font, Control(item).Text());
        SetWindowPos(item, nullptr, Scale(control.bounds.left), Scale(control.bounds.top), size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HWND Dialog::Item(int id) const {
    HWND item = GetDlgItem(Handle(), id);
    return item || !panel_ ? item : GetDlgItem(panel_, id);
}

}  // namespace ui
