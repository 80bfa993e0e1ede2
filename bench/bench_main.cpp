// Measures kelvaro against the bare Win32 limit on the same machine, in the
// same run: start-up against a bare program, list filling against a bare loop,
// and the idle message traffic. Prints "key=value" lines for tools/bench.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "launcher/main_form.h"
#include "resources/texts.h"
#include "tests/win/access.h"
#include "ui/application.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Search {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindVisibleTopLevel(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
    search->window = hwnd;
    return FALSE;
}

// Milliseconds from process creation until its window is visible, its list
// holds `entries` entries and its queue is idle.
double StartOnce(const std::string& exe, const std::string& folder, int entries) {
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + exe + "\"";
    const double start = Now();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return -1;
    WaitForInputIdle(process.hProcess, 30000);
    double elapsed = -1;
    for (int spin = 0; spin < 300000 && elapsed < 0; ++spin) {
        Search search{process.dwProcessId, nullptr};
        EnumWindows(&FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
        HWND list = search.window ? FindWindowExA(search.window, nullptr, "LISTBOX", nullptr) : nullptr;
        if (list && SendMessageW(list, LB_GETCOUNT, 0, 0) == entries) {
            WaitForInputIdle(process.hProcess, 30000);
            elapsed = Now() - start;
        } else {
            Sleep(0);
        }
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

int Startup(const std::string& folder, int runs, int entries) {
    std::vector<double> kelvaro, baseline, ratios;
    StartOnce(folder + "\\kelvaro.exe", folder, entries);  // warm the file cache
    StartOnce(folder + "\\baseline.exe", folder, entries);
    for (int i = 0; i < runs; ++i) {
        // Alternating, so that load on the machine falls on both alike.
        double k = StartOnce(folder + "\\kelvaro.exe", folder, entries);
        double b = StartOnce(folder + "\\baseline.exe", folder, entries);
        kelvaro.push_back(k);
        baseline.push_back(b);
        ratios.push_back(k / b);
    }
    std::printf("startup_kelvaro_ms=%.1f\nstartup_baseline_ms=%.1f\nstartup_ratio=%.3f\nstartup_runs=%d\n",
                Median(kelvaro), Median(baseline), Median(ratios), runs);
    return 0;
}

// The bare loop: find-first, find-next and LB_ADDSTRING into a plain list box.
double BareFill(HWND list, const std::string& folder) {
    const double start = Now();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*.nsh").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.cFileName));
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return Now() - start;
}

int Fill(int argc, char** argv) {
    launcher::TMainForm form;
    test::Access::SetCommandLine(form, "kelvaro.exe");
    form.Create();
    form.Show();
    HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                                 WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                 200, 0, 180, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(plain, WM_SETFONT, SendMessageA(form.Handle(), WM_GETFONT, 0, 0), FALSE);
    test::Access::HandlePendingMessages();
    for (int i = 0; i < argc; ++i) {
        const std::string folder = argv[i];
        const int runs = 5;
        std::vector<double> kelvaro, bare, ratios;
        std::size_t measured = 0;
        int entries = 0;
        BareFill(plain, folder);  // warm the directory cache
        for (int run = 0; run < runs; ++run) {
            std::size_t before = 0;
            double start = Now();
            test::Access::RefreshList(form, folder);
            double k = Now() - start;
            measured = 0 - before;
            entries = test::Access::List(form).Count();
            double b = BareFill(plain, folder);
            test::Access::HandlePendingMessages();
            kelvaro.push_back(k);
            bare.push_back(b);
            ratios.push_back(k / b);
        }
        std::printf("fill_%d_kelvaro_ms=%.1f\nfill_%d_bare_ms=%.1f\nfill_%d_ratio=%.3f\nfill_%d_measured=%zu\n",
                    entries, Median(kelvaro), entries, Median(bare), entries, Median(ratios), entries, measured);
    }
    DestroyWindow(plain);
    return 0;
}

// Counts what reaches the message loop while nobody does anything.
LRESULT CALLBACK CountMessages(int code, WPARAM wParam, LPARAM lParam);
int messagesSeen = 0;
int timersSeen = 0;
HHOOK hook = nullptr;

LRESULT CALLBACK CountMessages(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message != WM_QUIT) ++messagesSeen;
        if (msg->message == WM_TIMER) ++timersSeen;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

int idleSeconds = 5;

DWORD WINAPI QuitLater(LPVOID thread) {
    Sleep(static_cast<DWORD>(idleSeconds) * 1000);
    PostThreadMessageA(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(thread)), WM_QUIT, 0, 0);
    return 0;
}

int Idle(int seconds) {
    idleSeconds = seconds;
    launcher::TMainForm form;
    test::Access::SetCommandLine(form, "kelvaro.exe");
    form.Create();
    form.Show();
    ui::Application& app = ui::Application::Instance();
    // Let the first paint and activation settle before counting.
    for (int i = 0; i < 20; ++i) {
        test::Access::HandlePendingMessages();
        Sleep(50);
    }
    hook = SetWindowsHookExA(WH_GETMESSAGE, &CountMessages, nullptr, GetCurrentThreadId());
    CloseHandle(CreateThread(nullptr, 0, &QuitLater,
                             reinterpret_cast<LPVOID>(static_cast<UINT_PTR>(GetCurrentThreadId())), 0, nullptr));
    while (app.HandleOneMessage()) {
    }
    UnhookWindowsHookEx(hook);
    std::printf("idle_seconds=%d\nidle_messages=%d\nidle_timers=%d\n", seconds, messagesSeen, timersSeen);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    ui::Application::Instance().SetTitle(text::kAppTitle);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc == 5) return Startup(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (mode == "fill") return Fill(argc - 2, argv + 2);
    if (mode == "starts" && argc == 4) {  // exits 0 when the exe shows its window with that many entries
        const std::string exe = argv[2];
        const double ms = StartOnce(exe, exe.substr(0, exe.find_last_of('\\')), std::atoi(argv[3]));
        std::printf("started_ms=%.1f\n", ms);
        return ms < 0 ? 1 : 0;
    }
    if (mode == "idle" && argc == 3) return Idle(std::atoi(argv[2]));
    std::fprintf(stderr, "usage: bench startup FOLDER RUNS ENTRIES | fill FOLDER... | idle SECONDS | starts EXE ENTRIES\n");
    return 2;
}
