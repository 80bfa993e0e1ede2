#include "ui/form.h"

#include <utility>

#include "ui/application.h"
#include "ui/code_page.h"
#include "ui/screen.h"

namespace ui {
namespace {

constexpr int kModalCancel = IDCANCEL;
constexpr char kEsc = 27;

BOOL CALLBACK TellColorsChanged(HWND child, LPARAM) {
    SendMessageA(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

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
    if (style.dialog) {
        deferred_ = std::make_unique<Style>(style);
        return;
    }
    CreateWindowNow(style);
}

void Form::EnsureWindow() {
    if (!deferred_) return;
    const std::unique_ptr<Style> style = std::move(deferred_);
    CreateWindowNow(*style);
}

void Form::CreateWindowNow(const Style& style) {
    RegisterFormClass(style);
    dialog_ = style.dialog;
    // Made where new windows start, at the system's density; the window may
    // still be at another one (a monitor of its own), and its font follows it.
    CreateOwnWindow(style.className, style.caption, style.style, style.exStyle,
                    core::ScaleToDpi(style.bounds, screen::SystemDpi()), style.owner);
    dpi_ = screen::DpiOf(Handle());
    if (style.font.face) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(AddFont(style.font)), FALSE);
    if (!dialog_) EnsureControls();
    Application::Instance().Guard([this] { FormCreate(); });
}

HWND Form::CreateControl(const char* className, const char* text, DWORD style, DWORD exStyle, const Bounds& bounds,
                         int id, HWND parent) {
    HWND owner = parent ? parent : Handle();
    HMENU identifier = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    // An edit keeps its text in the code page it was made in: made wide, it
    // holds what the user types or pastes as it is (Control::ExactText).
    HWND control = lstrcmpiA(className, "EDIT") == 0
                       ? CreateWindowExW(exStyle, ToWide(className).c_str(), ToWide(text ? text : "").c_str(),
                                         style | WS_CHILD, bounds.left, bounds.top, bounds.width, bounds.height, owner,
                                         identifier, GetModuleHandleA(nullptr), nullptr)
                       : CreateWindowExA(exStyle, className, text, style | WS_CHILD, bounds.left, bounds.top,
                                         bounds.width, bounds.height, owner, identifier, GetModuleHandleA(nullptr),
                                         nullptr);
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
    if (!shown_ && dialog_) PlaceForFirstShow();
    shown_ = true;
    ShowWindow(Handle(), SW_SHOWNORMAL);
}

bool Form::PreviewKey(const MSG& msg) {
    if (msg.message != WM_CHAR) return false;
    char key = static_cast<char>(msg.wParam);
    KeyPress(msg.hwnd, key);
    return key == 0;
}

void Form::KeyPress(HWND, char& key) { FormKeyPress(key); }

void Form::FormKeyPress(char& key) {
    if (key != kEsc) return;
    key = 0;
    Close();
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

// Common controls keep the colours they draw with until they are told.
void Form::SystemColorsChanged() {
    EnumChildWindows(Handle(), &TellColorsChanged, 0);
    ColorsChanged();
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
        if (!changingDpi_) ClientResized(LOWORD(lParam), HIWORD(lParam));  // else laid out once afterwards
        return 0;
    case WM_COMMAND:
        if (lParam) ControlCommand(LOWORD(wParam), HIWORD(wParam));
        else CommandChosen(LOWORD(wParam));  // a menu's or a shortcut key's
        return 0;
    case WM_SYSCOMMAND:
        return SystemCommand(wParam) ? 0 : CallDefault(message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
        SystemColorsChanged();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST) ColorsChanged();
        return CallDefault(message, wParam, lParam);
    case WM_DROPFILES:
        FilesDropped(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_ENDSESSION:
        if (wParam) SessionEnding();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HBRUSH brush = ControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        return brush ? reinterpret_cast<LRESULT>(brush) : CallDefault(message, wParam, lParam);
    }
    case screen::kDpiChangedMessage:
        MovedToDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case screen::kGetDpiScaledSizeMessage:
        return ScaledSize(static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
    default:
        return CallDefault(message, wParam, lParam);
    }
}

}  // namespace ui
