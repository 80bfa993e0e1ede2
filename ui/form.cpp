#include "ui/form.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/screen.h"

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
    keyPreview_ = style.keyPreview;
    centerOnFirstShow_ = style.centerOnFirstShow;
    // Made where new windows start, at the system's density; the window may
    // still be at another one (a monitor of its own), and its font follows it.
    CreateOwnWindow(style.className, style.caption, style.style, style.exStyle,
                    core::ScaleToDpi(style.bounds, screen::SystemDpi()), style.owner);
    dpi_ = screen::DpiOf(Handle());
    if (style.font.face) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(AddFont(style.font)), FALSE);
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
    if (HFONT font = FontHandle()) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HFONT Form::AddFont(const FontSpec& spec) { return fonts_.emplace_back(spec, dpi_).Handle(); }

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
    const bool placing = !shown_ && centerOnFirstShow_;
    centering_ = placing;
    if (placing) PlaceForFirstShow();
    shown_ = true;
    ShowWindow(Handle(), SW_SHOWNORMAL);
    centering_ = false;
}

// Laid out at the density of the monitor it will show on, then centred there.
// Centred first, the change of density on arrival would grow it from its
// top-left corner, off centre.
void Form::PlaceForFirstShow() {
    HWND active = GetActiveWindow();
    AdoptDpi(screen::DpiOf(active));
    CenterOnMonitorOf(active);
}

// Centred on the monitor of `window`, or on the primary one for none.
void Form::CenterOnMonitorOf(HWND window) {
    const std::vector<core::Monitor> monitors = screen::Monitors();
    const core::Monitor* monitor =
        window ? core::MonitorOf(screen::BoundsOf(window), monitors) : core::PrimaryOf(monitors);
    if (monitor) SetBounds(core::CenteredIn(GetBounds(), monitor->area));
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
    Application::Instance().Guard([this] { FormClose(); });
    if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
    else if (modal_) EndModal(kModalCancel);
    else Hide();
}

void Form::MovedToDpi(int dpi, const RECT& suggested) {
    if (dpi != dpi_) {
        dpi_ = dpi;  // first: the size limits of the new density hold for the move
        // Windows scales the size the window had. When the program itself
        // moved it there, SetBounds puts back the bounds it was given.
        SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        RescaleFonts();
    }
    // Also at the density the form had already taken for its first showing:
    // only now does the frame Windows draws follow it.
    DpiChanged();
    if (centering_) CenterOnMonitorOf(GetActiveWindow());
}

void Form::AdoptDpi(int dpi) {
    if (dpi == dpi_) return;
    dpi_ = dpi;
    RescaleFonts();
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

void Form::RescaleFonts() {
    for (Font& font : fonts_) {
        Font next(font.Spec(), dpi_);
        FontSwap swap{font.Handle(), next.Handle()};
        SwapFont(Handle(), reinterpret_cast<LPARAM>(&swap));
        EnumChildWindows(Handle(), &SwapFont, reinterpret_cast<LPARAM>(&swap));
        font = std::move(next);  // the old one goes: nothing draws with it now
    }
}

Bounds Form::GetBounds() const {
    RECT r;
    GetWindowRect(Handle(), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Bounds Form::RestoredBounds() const {
    Bounds b = screen::NormalBounds(Handle());
    // Workspace coordinates differ from the screen's when the task bar is at
    // the top or the left of the window's monitor; tool windows use the screen's.
    if (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return b;
    const std::vector<core::Monitor> monitors = screen::Monitors();
    if (const core::Monitor* monitor = core::MonitorOf(b, monitors)) {
        b.left += monitor->work.left - monitor->area.left;
        b.top += monitor->work.top - monitor->area.top;
    }
    return b;
}

void Form::SetBounds(Bounds bounds) {
    const int before = dpi_;
    ApplyBounds(bounds);
    // The move took the window to another density: Windows' scaled size
    // gives way to the bounds asked for (stored ones would creep at every
    // start), under the size limits of that density.
    if (dpi_ != before) ApplyBounds(bounds);
}

void Form::ApplyBounds(Bounds b) {
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
    case screen::kDpiChangedMessage:
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
