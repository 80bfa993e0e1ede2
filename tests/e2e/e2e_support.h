// Drives a real kelvaro.exe from outside: a copy of it in a fresh folder with
// its own settings file, started as its own process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/common/files.h"

namespace e2e {

// How long to wait for the program: generous, since a first start of Wine
// programs on a busy machine can take seconds.
inline constexpr DWORD kPatience = 30000;

// A folder under the temporary folder holding a copy of kelvaro.exe.
class Installation : public test_files::TempFolder {
 public:
    Installation();
    const std::string& Folder() const { return Path(); }
    std::string Exe() const { return *this / "kelvaro.exe"; }
};

// A started kelvaro.exe; killed at the end of the test if still running.
class Process {
 public:
    Process(const Installation& installation, const std::string& arguments = "");
    // A copy of the program at a path that may hold any character, started in its folder.
    Process(const std::wstring& exe, const std::wstring& folder);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The visible main window, or null when none came within the time.
    HWND MainWindow(DWORD timeoutMs = kPatience);
    // A dialog box (#32770) of the program once it shows, or null.
    HWND Dialog(DWORD timeoutMs = kPatience) const;
    // The control with the keyboard focus in the program.
    HWND Focus() const;
    // True when the process ended within the time; its exit code then.
    bool WaitForExit(DWORD* exitCode = nullptr, DWORD timeoutMs = kPatience);

 private:
    HWND WaitForWindow(const char* className, DWORD timeoutMs) const;
    PROCESS_INFORMATION info_{};
};

// A recording netsh.exe in the place of the system's: each call appends
// "ARGS=[<its arguments>]" to netsh.log in the installation, and the command
// line of the cmd.exe that started it to parent.log.
void InstallRecordingNetsh(const Installation& installation);
// The recorded lines, sorted, once there are at least `count` (or the time is up).
std::vector<std::string> WaitForNetshLog(const Installation& installation, std::size_t count,
                                         DWORD timeoutMs = kPatience);
// What each cmd.exe that started a recorded netsh was given after its own
// name, sorted; complete once WaitForNetshLog has seen the calls.
std::vector<std::string> CmdParameters(const Installation& installation);

// Presses a key in the program as the keyboard would: down, then up.
void PressKey(HWND window, UINT key);
// Clicks another process's tool bar at a point of its client area.
void ClickToolBar(HWND toolBar, int x, int y);
// Drops a file on a window of another process, as the shell hands it over.
void DropFile(HWND window, const std::string& path);

// Types a path into a file dialog of another process and confirms it.
void ConfirmFileDialog(HWND dialog, const std::string& path);
// Waits until a file exists; false when the time is up.
bool WaitForFile(const std::string& path, DWORD timeoutMs = kPatience);

using test_files::ReadText;
using test_files::WriteText;
// Entries of a list box in another process (ANSI list messages are not
// marshalled across processes, the wide ones are).
int ListCount(HWND list);
// Left, top, width and height of a window on the screen.
std::vector<LONG> ScreenBounds(HWND window);

}  // namespace e2e
