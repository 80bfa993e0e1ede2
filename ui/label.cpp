#include "ui/label.h"

namespace ui {
namespace {

constexpr char kSpace = ' ';

}  // namespace

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_UNDEFPUSHBUTTON;  // the dialog then hands it Enter as BM_CLICK
    case BM_CLICK:
        Click();
        return 0;
    case WM_CHAR:
        if (wParam != static_cast<WPARAM>(kSpace)) break;
        Click();
        return 0;
    case WM_PAINT: {
        const LRESULT result = CallDefault(message, wParam, lParam);
        DrawFocus();
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        InvalidateRect(Handle(), nullptr, TRUE);
        break;
    default:
        return PointerMessage(message, wParam, lParam);
    }
    return CallDefault(message, wParam, lParam);
}

LRESULT Label::PointerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
    if (click) Click();
}

void Label::Click() {
    if (OnClick) OnClick();
}

void Label::DrawFocus() {
    if (GetFocus() != Handle() || (SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
    RECT client;
    GetClientRect(Handle(), &client);
    HDC dc = GetDC(Handle());
    DrawFocusRect(dc, &client);
    ReleaseDC(Handle(), dc);
}

bool Label::Contains(LPARAM at) const {
    RECT client;
    GetClientRect(Handle(), &client);
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return PtInRect(&client, point) != FALSE;
}

}  // namespace ui
