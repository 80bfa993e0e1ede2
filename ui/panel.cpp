#include "ui/panel.h"

#include "ui/error.h"

namespace ui {
namespace {

constexpr char kPanelClass[] = "KelvaroPanel";

void RegisterPanelClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPanelClass;
    if (!RegisterClassA(&wc)) throw Error("RegisterClass failed");
    registered = true;
}

}  // namespace

void Panel::Create(HWND parent, const core::Bounds& bounds, int id) {
    RegisterPanelClass(&Window::Trampoline);
    // Not a tab stop itself; the tab order goes on into its children.
    CreateOwnWindow(kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, bounds, parent,
                    id);
}

void Panel::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    DrawEdge(dc, &client, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
    EndPaint(Handle(), &ps);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return SendMessageA(GetParent(Handle()), message, wParam, lParam);
    default:
        return CallDefault(message, wParam, lParam);
    }
}

}  // namespace ui
