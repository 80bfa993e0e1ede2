// Shared ground of the in-process Windows tests: temporary folders, files,
// the message queue and a stand-in for message boxes.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/common/files.h"

namespace test {

using test_files::ExeFolder;
using test_files::ReadText;
using test_files::RemoveTree;
using test_files::TempFolder;
using test_files::WriteText;
bool Exists(const std::string& path);
// The settings file of the program under test, beside the test executable.
std::string SettingsPath();

// Left, top, width and height of a control in its parent's client area.
std::vector<LONG> Placement(HWND control);
// The client area's width and height.
std::vector<LONG> ClientSize(HWND window);

// Handles every queued message; returns once the queue is empty.
void Pump();
// Whether the program was told to end, and going on after it.
bool Terminated();
void ResetTermination();

// True when `font` is drawn by the face it asks for, not by a substitute
// (Wine plays MS P Gothic with IPA P Gothic, whose metrics differ a little).
bool IsRealFont(HFONT font, const char* face);

// What Windows sends a window that moves onto a monitor of density `to` from
// one of `from`: WM_DPICHANGED with its outer size scaled, where it is.
void MoveToDpi(HWND window, int from, int to);

// The control of that identifier anywhere inside `root`, or null.
HWND Find(HWND root, int id);

// Answers every message box with `answer` and remembers what each one said.
struct ShownBox {
    std::string text;
    std::string caption;
    UINT type;
};
class MessageBoxes {
 public:
    explicit MessageBoxes(int answer = IDOK);
    ~MessageBoxes();
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    const std::vector<ShownBox>& Shown() const { return shown_; }
    void SetAnswer(int answer) { answer_ = answer; }

 private:
    static int WINAPI Show(HWND owner, const char* text, const char* caption, UINT type);
    static MessageBoxes* current_;
    std::vector<ShownBox> shown_;
    int answer_;
};

// Work done from a thread timer, inside whatever message loop is then running
// (a modal form's or a dialog's): how a test acts on a window while it is modal.
class TimerTask {
 public:
    TimerTask(const TimerTask&) = delete;
    TimerTask& operator=(const TimerTask&) = delete;
    bool Done() const { return done_; }

 protected:
    explicit TimerTask(UINT delayMs);
    virtual ~TimerTask();
    // Called at each tick until it returns true.
    virtual bool Tick() = 0;

 private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
    UINT_PTR timer_;
    bool done_ = false;
};

// Runs an action once, at the first tick.
class Soon : public TimerTask {
 public:
    using Action = void (*)(void* context);
    Soon(Action action, void* context, UINT delayMs = 50) : TimerTask(delayMs), action_(action), context_(context) {}

 private:
    bool Tick() override;
    Action action_;
    void* context_;
};

// Acts on the next dialog box (#32770) of this thread once it shows.
class DialogDriver : public TimerTask {
 public:
    using Action = void (*)(HWND dialog, void* context);
    DialogDriver(Action action, void* context) : TimerTask(50), action_(action), context_(context) {}

 private:
    bool Tick() override;
    Action action_;
    void* context_;
};

// The text of a dialog's file name field, and typing into it.
std::string FileNameField(HWND dialog);
// The folder a file dialog shows.
std::string FolderShown(HWND dialog);
void SetFileNameField(HWND dialog, const std::string& text);
void SetFileNameField(HWND dialog, const std::wstring& text);
void PressButton(HWND dialog, int id);

// What the program asked the shell to start.
struct ShellCall {
    HWND owner;
    bool hasVerb;
    std::string verb;
    std::string file;
    bool hasParameters;
    std::string parameters;
    bool hasDirectory;
    int show;
};
class ShellCalls {
 public:
    ShellCalls();
    ~ShellCalls();
    static HINSTANCE WINAPI Execute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT show);
    // The same through ShellExecuteEx, which then starts no process.
    static BOOL WINAPI ExecuteEx(SHELLEXECUTEINFOA* info);
    const std::vector<ShellCall>& Calls() const { return calls_; }
    std::vector<std::string> Parameters() const;

 private:
    static ShellCalls* current_;
    std::vector<ShellCall> calls_;
};

}  // namespace test
