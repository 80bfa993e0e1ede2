// The application object: its title, the forms it knows, the message loop
// (whose key messages go to their form first: its shortcut keys, then its
// key preview), and the error box that every caught failure ends in.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/error.h"
#include "ui/test_access.h"

namespace ui {

class Form;

class Application {
 public:
    static Application& Instance();

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& Title() const { return title_; }

    // Forms register themselves, so that their keys reach them first.
    void AddForm(Form* form);
    void RemoveForm(Form* form);
    // The form whose close ends the program: the one handed to Run.
    Form* MainForm() const { return main_; }

    // Shows `main` as the main form and pumps messages until the program is
    // to end; then, with the main form hidden, waits for what is still
    // awaited (WhenSignalled), at most kLastWaitMs, so that a file the user
    // asked for is finished before the program goes.
    int Run(Form& main);
    static constexpr DWORD kLastWaitMs = 120000;
    // Ends the program once control is back in the message loop; asking
    // again before then changes nothing.
    void Terminate();
    // Waits for and handles one message, or runs the action of one handle
    // that came to be signalled; false once the program is to end.
    bool HandleOneMessage();
    // Runs `action` on this thread, from the message loop, once `handle` is
    // signalled (a process that has ended, say): the windows keep answering
    // meanwhile. The handle stays the caller's.
    void WhenSignalled(HANDLE handle, std::function<void()> action);

    // A message box modal to the whole program: every other window of the
    // program is disabled while it shows.
    int ShowMessageBox(std::string_view text, std::string_view caption, UINT type);

    // The error box: caption the title, the message with its closing period,
    // OK and the stop icon.
    void ShowError(std::string_view message);
    // Shows the exception being handled; call only inside a catch block.
    void ReportException() noexcept;

    // Runs an action outside any window procedure with the same guarantee:
    // a failure is shown in the error box and the program goes on.
    template <class Action>
    void Guard(Action&& action) noexcept {
        try {
            action();
        } catch (...) {
            ReportException();
        }
    }

 private:
    friend struct test::Access;
    // MessageBoxA's shape: tests put their own in its place to read and answer boxes.
    using MessageBoxFunction = int(WINAPI*)(HWND owner, const char* text, const char* caption, UINT type);

    Application() = default;
    void Dispatch(MSG& msg);
    // Runs the action of the first handle that is signalled now; false when none is.
    bool RunSignalled();
    // Handles one message, or runs the action of one signalled handle: true
    // then. Else waits, at most `timeoutMs`, until there is one: false.
    bool HandleWork(DWORD timeoutMs);
    static bool IsKeyMessage(const MSG& msg);
    static bool IsKeyDown(const MSG& msg);
    bool TranslateShortcut(MSG& msg);
    bool PreviewKey(const MSG& msg);
    Form* FormOf(HWND hwnd) const;
    HWND ActiveOwner() const;

    std::string title_;
    std::vector<Form*> forms_;
    Form* main_ = nullptr;
    struct Watch {
        HANDLE handle;
        std::function<void()> action;
    };
    std::vector<Watch> watches_;
    MessageBoxFunction messageBox_ = &::MessageBoxA;
    bool terminated_ = false;
};

// Disables every enabled window of this thread but `except`, and enables them
// again when it goes out of scope: what a modal window needs.
class TaskWindowsDisabled {
 public:
    explicit TaskWindowsDisabled(HWND except);
    ~TaskWindowsDisabled();
    TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
    TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

 private:
    static BOOL CALLBACK DisableOne(HWND hwnd, LPARAM self) noexcept;
    HWND except_;
    std::vector<HWND> disabled_;
};

}  // namespace ui
