// A modal dialog: a form whose controls are described once, in a table that
// both makes and places them, with a dialog's keys: Tab and Shift+Tab move
// through the tab order, Enter presses the focused push button (or a control
// that answers as one) or else the default button, Esc closes. Accessibility
// clients are told it is a dialog.
#pragma once

#include <windows.h>

#include <span>

#include "ui/form.h"
#include "ui/panel.h"

namespace ui {

class Dialog : public Form {
 public:
    // One control of the dialog, in its order of creation (the tab order).
    struct ControlSpec {
        int id;
        const char* className;  // null for the panel
        const char* text;
        DWORD style;
        DWORD exStyle;
        bool inPanel;    // in the panel, whose top-left corner is the client's
        Bounds bounds;   // at 96 dpi; a label sized to its text has no size here
    };

 protected:
    void KeyPress(HWND target, char& key) override;

    // Makes the dialog, owned by `owner`: a fixed frame whose title bar
    // carries the close box only. Its window is made at its first showing.
    void CreateDialogForm(const char* caption, const Bounds& bounds, const FontSpec& font, HWND owner);
    // Makes the controls of the table, the panel among them.
    void MakeControls(std::span<const ControlSpec> controls, Panel& panel);
    // Places them at the dialog's density; a label without a size takes its
    // text's, in the font it draws with.
    void PlaceControls(std::span<const ControlSpec> controls);
    // A control of the dialog or its panel.
    HWND Item(int id) const;
    void SetDefaultButton(HWND button) { defaultButton_ = button; }

 private:
    HWND panel_ = nullptr;
    HWND defaultButton_ = nullptr;
};

}  // namespace ui
