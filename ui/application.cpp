#include "ui/application.h"

#include <algorithm>
#include <exception>

#include "core/error_text.h"
#include "ui/form.h"

namespace ui {

Application& Application::Instance() {
    static Application instance;
    return instance;
}

void Application::AddForm(Form* form) { forms_.push_back(form); }

void Application::RemoveForm(Form* form) {
    std::erase(forms_, form);
    if (main_ == form) main_ = nullptr;
}

int Application::Run(Form& main) {
    main_ = &main;
    main.Show();
    while (HandleOneMessage()) {
    }
    if (main_) main_->Hide();
    for (const DWORD start = GetTickCount(); !watches_.empty() && GetTickCount() - start < kLastWaitMs;)
        HandleWork(kLastWaitMs - (GetTickCount() - start));
    return 0;
}

void Application::Terminate() {
    if (!terminated_) PostQuitMessage(0);  // wakes the loop; the flag ends it
    terminated_ = true;
}

bool Application::HandleOneMessage() {
    while (!terminated_)
        if (HandleWork(INFINITE)) return !terminated_;
    return false;
}

bool Application::HandleWork(DWORD timeoutMs) {
    MSG msg;
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) terminated_ = true;
        else Dispatch(msg);
        return true;
    }
    if (RunSignalled()) return true;
    std::vector<HANDLE> handles;
    for (const Watch& watch : watches_) handles.push_back(watch.handle);
    MsgWaitForMultipleObjectsEx(static_cast<DWORD>(handles.size()), handles.data(), timeoutMs, QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    return false;
}

void Application::WhenSignalled(HANDLE handle, std::function<void()> action) {
    if (watches_.size() + 1 >= MAXIMUM_WAIT_OBJECTS) throw Error("Too many programs running at once");
    watches_.push_back({handle, std::move(action)});
}

bool Application::RunSignalled() {
    for (auto watch = watches_.begin(); watch != watches_.end(); ++watch) {
        if (WaitForSingleObject(watch->handle, 0) != WAIT_OBJECT_0) continue;
        const std::function<void()> action = std::move(watch->action);
        watches_.erase(watch);  // first: the action may watch another
        Guard(action);
        return true;
    }
    return false;
}

void Application::Dispatch(MSG& msg) {
    if (IsKeyDown(msg) && TranslateShortcut(msg)) return;
    if (IsKeyMessage(msg) && PreviewKey(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool Application::IsKeyMessage(const MSG& msg) { return msg.message == WM_CHAR; }

bool Application::IsKeyDown(const MSG& msg) { return msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN; }

// Shortcut keys belong to the form of the window they are pressed in: a
// modal form's keys never reach the form it disables, nor the other way.
bool Application::TranslateShortcut(MSG& msg) {
    Form* form = FormOf(msg.hwnd);
    return form && form->TranslateShortcut(msg);
}

// Key preview: the form of the window a key is for sees it first; a key it
// uses goes no further.
bool Application::PreviewKey(const MSG& msg) {
    Form* form = FormOf(msg.hwnd);
    bool used = false;
    if (form) Guard([&] { used = form->PreviewKey(msg); });
    return used;
}

Form* Application::FormOf(HWND hwnd) const {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    if (!root) return nullptr;  // a thread message: no form, not even one whose window is put off
    auto form = std::find_if(forms_.begin(), forms_.end(), [root](Form* f) { return f->Handle() == root; });
    return form == forms_.end() ? nullptr : *form;
}

HWND Application::ActiveOwner() const {
    HWND active = GetActiveWindow();
    if (active) return active;
    Form* main = MainForm();
    return main ? main->Handle() : nullptr;
}

int Application::ShowMessageBox(std::string_view text, std::string_view caption, UINT type) {
    HWND owner = ActiveOwner();
    TaskWindowsDisabled disabled(owner);
    int answer = messageBox_(owner, std::string(text).c_str(), std::string(caption).c_str(), type);
    return answer;
}

void Application::ShowError(std::string_view message) {
    ShowMessageBox(core::WithClosingPeriod(message), title_, MB_OK | MB_ICONSTOP);
}

void Application::ReportException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& error) {
            ShowError(error.what());
        } catch (...) {
            ShowError("Unknown error");
        }
    } catch (...) {
        // The error box itself failed (out of memory): nothing is left to show it with.
    }
}

TaskWindowsDisabled::TaskWindowsDisabled(HWND except) : except_(except) {
    EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
}

TaskWindowsDisabled::~TaskWindowsDisabled() {
    for (HWND hwnd : disabled_) EnableWindow(hwnd, TRUE);
}

BOOL CALLBACK TaskWindowsDisabled::DisableOne(HWND hwnd, LPARAM self) noexcept {
    auto* me = reinterpret_cast<TaskWindowsDisabled*>(self);
    if (hwnd == me->except_ || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
    // Nothing may unwind through the enumeration: a window that cannot be
    // remembered is left enabled rather than disabled for good.
    try {
        me->disabled_.push_back(hwnd);
    } catch (...) {
        return TRUE;
    }
    EnableWindow(hwnd, FALSE);
    return TRUE;
}

}  // namespace ui
