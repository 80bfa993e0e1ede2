// A panel: a bevelled frame that holds controls. It passes its children's
// notifications and colour requests on to its parent, so the form handles
// them as if the children were its own.
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace ui {

class Panel : public Window {
 public:
    // A lowered outer and a raised inner bevel, 1 pixel each, on the button face.
    void Create(HWND parent, const core::Bounds& bounds, int id);

 protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
    void Paint();
};

}  // namespace ui
