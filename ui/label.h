// A text label that reports the pointer entering and leaving it and clicks on
// it, so that it can serve as a link.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/window.h"

namespace ui {

class Label : public Window {
 public:
    // Takes over a static control created with SS_NOTIFY.
    void Attach(HWND control) { Subclass(control); }

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

 protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    bool pointerInside_ = false;
};

}  // namespace ui
