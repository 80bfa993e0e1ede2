#include "tests/e2e/e2e_support.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

// A visible top-level window of one process and one class.
struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (pid != search->processId || !IsWindowVisible(hwnd) || std::string(className) != search->className) return TRUE;
    search->found = hwnd;
    return FALSE;
}

// The lines of a log, each ended by CRLF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t begin = 0, end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    return lines;
}

// A command line without its program's name, quoted or not.
std::string ArgumentsOf(const std::string& commandLine) {
    std::size_t end = commandLine[0] == '"' ? commandLine.find('"', 1) : commandLine.find(' ');
    std::string arguments = end == std::string::npos ? "" : commandLine.substr(end + 1);
    return arguments.erase(0, arguments.find_first_not_of(' '));
}

}  // namespace

Installation::Installation() {
    if (!CopyFileA((test_files::ExeFolder() + "kelvaro.exe").c_str(), Exe().c_str(), FALSE))
        throw std::runtime_error("cannot copy kelvaro.exe into " + Folder());
}

Process::Process(const Installation& installation, const std::string& arguments) {
    std::string commandLine = "\"" + installation.Exe() + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{sizeof startup};
    if (!CreateProcessA(installation.Exe().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        installation.Folder().c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + installation.Exe());
}

Process::Process(const std::wstring& exe, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{sizeof startup};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info_))
        throw std::runtime_error("cannot start the program");
}

Process::~Process() {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND Process::WaitForWindow(const char* className, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search{info_.dwProcessId, className, nullptr};
        EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND Process::MainWindow(DWORD timeoutMs) {
    WaitForInputIdle(info_.hProcess, timeoutMs);
    return WaitForWindow("KelvaroMainForm", timeoutMs);
}

HWND Process::Dialog(DWORD timeoutMs) const { return WaitForWindow("#32770", timeoutMs); }

HWND Process::Focus() const {
    GUITHREADINFO gui{sizeof gui};
    GetGUIThreadInfo(info_.dwThreadId, &gui);
    return gui.hwndFocus;
}

bool Process::WaitForExit(DWORD* exitCode, DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
    return true;
}

void InstallRecordingNetsh(const Installation& installation) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string netsh = std::string(system) + "\\netsh.exe";
    // Once a run: later, one may still be running from the test before.
    static const bool copied = CopyFileA((test_files::ExeFolder() + "netsh.exe").c_str(), netsh.c_str(), FALSE);
    if (!copied) throw std::runtime_error("cannot put the recording netsh in " + netsh);
    SetEnvironmentVariableA("KELVARO_NETSH_LOG_DIR", installation.Folder().c_str());
}

std::vector<std::string> WaitForNetshLog(const Installation& installation, std::size_t count, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    std::vector<std::string> lines;
    for (;;) {
        lines = Lines(ReadText(installation / "netsh.log"));
        if (lines.size() >= count || GetTickCount() - start > timeoutMs) break;
        Sleep(50);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> CmdParameters(const Installation& installation) {
    std::vector<std::string> parameters;
    for (const std::string& line : Lines(ReadText(installation / "parent.log"))) parameters.push_back(ArgumentsOf(line));
    std::sort(parameters.begin(), parameters.end());
    return parameters;
}

void PressKey(HWND window, UINT key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void ClickToolBar(HWND toolBar, int x, int y) {
    PostMessageA(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(toolBar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void DropFile(HWND window, const std::string& path) {
    std::string block(sizeof(DROPFILES), '\0');
    reinterpret_cast<DROPFILES*>(block.data())->pFiles = sizeof(DROPFILES);
    block += path + std::string(2, '\0');
    // Where the system answers message 0x0049 (WM_COPYGLOBALDATA, with which
    // the shell copies the block into the program), its copy is the handle.
    // Wine does not: there the block is written into the program's memory,
    // where a fixed block is its own handle (DragFinish then fails to free
    // it, harmlessly).
    LRESULT drop = SendMessageA(window, 0x0049, block.size(), reinterpret_cast<LPARAM>(block.data()));
    if (!drop) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
        void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
        CloseHandle(process);
        drop = reinterpret_cast<LRESULT>(remote);
    }
    PostMessageA(window, WM_DROPFILES, static_cast<WPARAM>(drop), 0);
}

void ConfirmFileDialog(HWND dialog, const std::string& path) {
    HWND field = GetDlgItem(dialog, 0x47C);  // cmb13, the file name box
    if (!field) field = GetDlgItem(dialog, 0x480);  // edt1
    std::wstring wide(path.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length - 1 : 0);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

bool WaitForFile(const std::string& path, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

int ListCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

std::vector<LONG> ScreenBounds(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace e2e
