#include "ui/label.h"

namespace ui {

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE && !pointerInside_) {
        pointerInside_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        if (OnMouseEnter) OnMouseEnter();
    } else if (message == WM_MOUSELEAVE) {
        pointerInside_ = false;
        if (OnMouseLeave) OnMouseLeave();
        return 0;
    }
    return CallDefault(message, wParam, lParam);
}

}  // namespace ui
