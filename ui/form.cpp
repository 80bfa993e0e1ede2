#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/dpi.h"

namespace ui {
namespace {

constexpr int kModalCancel = IDCANCEL;

}  // namespace

Form::~Form() { Application::Instance().RemoveForm(this); }

// The icons go with the class: set on a window after its creation, Wine
// converts them for X once more, which costs start-up a few milliseconds.
void Form::RegisterFormClass(const Style& style) {
    WNDCLASSEXA wc{sizeof wc};
    if (GetClassInfoExA(GetModuleHandleA(nullptr), style.className, &wc)) return;
    wc.lpfnWndProc = &Window::Trampoline;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = style.icon;
    wc.hIconSm = style.smallIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = style.className;
    if (!RegisterClassExA(&wc)) throw Error("RegisterClass failed");
}

void Form::CreateForm(const Style& style) {
    Application::Instance().AddForm(this);
    if (style.windowAtFirstUse) {
        deferred_ = std::make_unique<Style>(style);
        return;
    }
    CreateWindowNow(style);
}

void Form::EnsureWindow() {
    if (!deferred_) return;
    // Forms made before this one get their windows first: the windows are
    // created in the order of the forms, whichever is used first.
    Application::Instance().EnsureWindowsBefore(this);
    const std::unique_ptr<Style> style = std::move(deferred_);
    CreateWindowNow(*style);
}

void Form::CreateWindowNow(const Style& style) {
    RegisterFormClass(style);
    font_ = style.font;
    keyPreview_ = style.keyPreview;
    centerOnFirstShow_ = style.centerOnFirstShow;
    // Made where new windows start: the system's density, until it is shown
    // on another monitor.
    CreateOwnWindow(style.className, style.caption, style.style, style.exStyle,
                    core::ScaleToDpi(style.bounds, dpi::System()), style.owner);
    dpi_ = dpi::Of(Handle());
    if (font_) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (!style.controlsAtFirstShow) EnsureControls();
    Application::Instance().Guard([this] { FormCreate(); });
}

HWND Form::CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle, const Bounds& bounds,
                         int id, HWND parent) {
    HWND control = CreateWindowExA(exStyle, className, text, style | WS_CHILD, bounds.left, bounds.top, bounds.width,
                                   bounds.height,
                                   parent ? parent : Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (!control) throw Error("CreateWindowEx failed");
    if (font_) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return control;
}

void Form::EnsureControls() {
    if (controlsCreated_) return;
    controlsCreated_ = true;
    CreateControls();
}

void Form::Show() {
    EnsureWindow();
    EnsureControls();
    // FormShow runs on every showing, before the form is placed and visible.
    Application::Instance().Guard([this] { FormShow(); });
    if (!shown_ && centerOnFirstShow_) CenterOnActiveMonitor();
    shown_ = true;
    ShowWindow(Handle(), SW_SHOWNORMAL);
}

// Centred on the monitor of the active window (the primary one if none).
void Form::CenterOnActiveMonitor() {
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoA(MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcMonitor;
    Bounds b = GetBounds();
    b.left = area.left + (area.right - area.left - b.width) / 2;
    b.top = area.top + (area.bottom - area.top - b.height) / 2;
    SetBounds(b);
}

bool Form::HandleDialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    if (msg.wParam == VK_TAB) {
        HWND next = GetNextDlgTabItem(Handle(), GetFocus(), GetKeyState(VK_SHIFT) < 0);
        if (next) SetFocus(next);
        return next != nullptr;
    }
    if (msg.wParam != VK_RETURN) return false;
    HWND focus = GetFocus();
    char className[16] = {};
    GetClassNameA(focus, className, sizeof className);
    const LONG type = GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK;
    HWND button = lstrcmpiA(className, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
                      ? focus
                      : defaultButton_;
    if (!button) return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

int Form::ShowModal() {
    EnsureWindow();
    Application& app = Application::Instance();
    HWND previous = GetActiveWindow();
    modalResult_ = 0;
    modal_ = true;
    {
        TaskWindowsDisabled disabled(Handle());
        Show();
        while (modalResult_ == 0 && app.HandleOneMessage()) {
        }
    }
    // Others are enabled again before hiding, so activation returns to them.
    Hide();
    modal_ = false;
    if (previous) SetActiveWindow(previous);
    return modalResult_ != 0 ? modalResult_ : kModalCancel;
}

void Form::Close() {
    FormClose();
    if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
    else if (modal_) EndModal(kModalCancel);
    else Hide();
}

void Form::MovedToDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    DpiChanged();
}

void Form::Place(HWND control, const Bounds& bounds) const {
    const Bounds b = Scale(bounds);
    SetWindowPos(control, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

struct FontSwap {
    HFONT from;
    HFONT to;
};

BOOL CALLBACK SwapFont(HWND window, LPARAM lParam) {
    const auto* swap = reinterpret_cast<const FontSwap*>(lParam);
    if (reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)) == swap->from)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(swap->to), TRUE);
    return TRUE;
}

}  // namespace

void Form::RescaleFont(Font& font) {
    Font next = font.AtDpi(dpi_);
    FontSwap swap{font.Handle(), next.Handle()};
    if (font_ == swap.from) font_ = swap.to;
    SwapFont(Handle(), reinterpret_cast<LPARAM>(&swap));
    EnumChildWindows(Handle(), &SwapFont, reinterpret_cast<LPARAM>(&swap));
    font = std::move(next);  // the old one goes: nothing draws with it now
}

Bounds Form::GetBounds() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Bounds Form::RestoredBounds() const {
    WINDOWPLACEMENT placement{sizeof placement};
    if (!GetWindowPlacement(Handle(), &placement)) return GetBounds();
    RECT r = placement.rcNormalPosition;
    // In workspace coordinates, which start at the work area of the window's
    // monitor: they differ from the screen's when the task bar is at the top
    // or the left. Tool windows alone are placed in screen coordinates.
    if (!(GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        MONITORINFO monitor{sizeof monitor};
        if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor))
            OffsetRect(&r, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Form::SetBounds(Bounds b) {
    b.width = std::max(b.width, Scale(minWidth_));
    b.height = std::max(b.height, Scale(minHeight_));
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetMinSize(int width, int height) {
    minWidth_ = width;
    minHeight_ = height;
    SetBounds(GetBounds());
}

void Form::SetClientSize(int width, int height) {
    // The frame as it is drawn now, at the window's density: after a change of
    // density the window has already taken the new frame with its new size.
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetBounds({window.left, window.top, Scale(width) + frameWidth, Scale(height) + frameHeight});
}

// Like a dialog, the form gives the focus back to the control that had it when
// the form was last deactivated, or at first to the first control in tab order.
void Form::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
}

void Form::RestoreFocus() {
    HWND target = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (target) SetFocus(target);
}

void Form::ApplyMinSize(MINMAXINFO& info) const {
    info.ptMinTrackSize.x = std::max<LONG>(info.ptMinTrackSize.x, Scale(minWidth_));
    info.ptMinTrackSize.y = std::max<LONG>(info.ptMinTrackSize.y, Scale(minHeight_));
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
        else RestoreFocus();
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case WM_GETMINMAXINFO:
        ApplyMinSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_SIZE:
        ClientResized(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        if (lParam) ControlCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HBRUSH brush = ControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        return brush ? reinterpret_cast<LRESULT>(brush) : CallDefault(message, wParam, lParam);
    }
    case dpi::kChangedMessage:
        MovedToDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_NOTIFY: {
        bool handled = false;
        LRESULT result = ControlNotify(*reinterpret_cast<NMHDR*>(lParam), handled);
        return handled ? result : CallDefault(message, wParam, lParam);
    }
    default:
        return CallDefault(message, wParam, lParam);
    }
}

}  // namespace ui
