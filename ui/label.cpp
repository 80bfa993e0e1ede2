#include "ui/label.h"

namespace ui {

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        if (!pointerInside_) {
            pointerInside_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
            TrackMouseEvent(&track);
            if (OnMouseEnter) OnMouseEnter();
        }
        break;
    case WM_MOUSELEAVE:
        pointerInside_ = false;
        if (OnMouseLeave) OnMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Held, so that the release reaches the label wherever it happens.
        pressed_ = true;
        SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP:
        ButtonReleased(lParam);
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        break;
    default:
        break;
    }
    return CallDefault(message, wParam, lParam);
}

void Label::ButtonReleased(LPARAM at) {
    const bool click = pressed_ && Contains(at);
    pressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (click && OnClick) OnClick();
}

bool Label::Contains(LPARAM at) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return PtInRect(&client, point) != FALSE;
}

}  // namespace ui
