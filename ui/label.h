// A text label that reports the pointer entering and leaving it and clicks on
// it, so that it can serve as a link. Made a tab stop, it is one for the
// keyboard too: it draws a focus rectangle while it has the focus (unless the
// window hides focus cues), answers the dialog as a push button, so that
// Enter (BM_CLICK) clicks it, and takes Space as a click.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/window.h"

namespace ui {

class Label : public Window {
 public:
    // Takes over a static control created with SS_NOTIFY (without it the
    // static lets the mouse through to its parent).
    void Attach(HWND control) { Subclass(control); }

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    // A click as a button takes one: the button goes down on the label and
    // comes up over it again. Acting on the press would let the release land
    // on whatever lies under the pointer once the action has moved things.
    std::function<void()> OnClick;

 protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    LRESULT PointerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ButtonReleased(LPARAM at);
    bool Contains(LPARAM at) const;
    void Click();
    // Over the text the control has drawn.
    void DrawFocus();

    bool pointerInside_ = false;
    bool pressed_ = false;
};

}  // namespace ui
