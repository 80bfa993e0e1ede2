// The benchmark driver: starts kelvaro and the bare programs as whole
// processes, alternately, and times each from process creation to the
// moment a user would call it started; also counts the idle message traffic.
// Prints "key=value" lines for tools/bench.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/clock.h"
#include "launcher/main_form.h"
#include "resources/texts.h"
#include "tests/win/access.h"
#include "ui/application.h"

namespace {

using bench::Now;

// The median and the quartiles (interpolated between ranks).
struct Spread {
    double q1, median, q3;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    auto at = [&](double rank) {
        const std::size_t low = static_cast<std::size_t>(rank);
        const std::size_t high = std::min(low + 1, values.size() - 1);
        return values[low] + (values[high] - values[low]) * (rank - static_cast<double>(low));
    };
    const double last = static_cast<double>(values.size() - 1);
    return {at(last * 0.25), at(last * 0.5), at(last * 0.75)};
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

BOOL CALLBACK FindUnpainted(HWND hwnd, LPARAM lParam) {
    if (!IsWindowVisible(hwnd) || !GetUpdateRect(hwnd, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(lParam) = true;
    return FALSE;
}

// The process shows a top-level window whose list holds `entries` entries,
// and neither the window nor any of its controls waits to be painted.
bool Started(DWORD pid, int entries) {
    Search search{pid, nullptr};
    EnumWindows(&FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    if (!search.window) return false;
    HWND list = FindWindowExA(search.window, nullptr, "LISTBOX", nullptr);
    // Wide: Wine marshals ANSI list messages between processes wrongly.
    if (!list || SendMessageW(list, LB_GETCOUNT, 0, 0) != entries) return false;
    bool unpainted = GetUpdateRect(search.window, nullptr, FALSE) != FALSE;
    if (!unpainted) EnumChildWindows(search.window, &FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

constexpr DWORD kPatienceMs = 60000;
// Between two starts, so that the ended process's windows are gone first.
constexpr DWORD kSettleMs = 250;

// Milliseconds from process creation until the process has started (see
// Started) and its queue is idle; -1 if it never does. The process starts in
// its own folder, as from Explorer. The driver waits rather than spins: a
// busy poll on two cores would take the time it measures.
double StartOnce(const std::string& exe, int entries) {
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + exe + "\"";
    const double start = Now();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return -1;
    double elapsed = -1;
    while (Now() - start < kPatienceMs) {
        // Returns once the process waits for input with nothing queued.
        if (WaitForInputIdle(process.hProcess, kPatienceMs) != 0) break;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        if (Started(process.dwProcessId, entries)) {
            elapsed = Now() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, kPatienceMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

struct Program {
    std::string label;
    std::string exe;
    std::vector<double> ms;
};

// The order of the programs in a round: a Williams design, in which over
// `count` rounds (twice as many for an odd count) every program takes every
// place, and follows every other program, equally often. A start is slower
// right after some programs than after others (the ended process's windows
// are still being taken down): a fixed order would charge that to one of them.
std::vector<std::size_t> RoundOrder(std::size_t count, int round) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0, low = 0, high = count; i < count; ++i) order.push_back(i % 2 == 0 ? low++ : --high);
    const std::size_t shift = static_cast<std::size_t>(round) % count;
    for (std::size_t& program : order) program = (program + shift) % count;
    if (count % 2 == 1 && (static_cast<std::size_t>(round) / count) % 2 == 1) std::reverse(order.begin(), order.end());
    return order;
}

// Each program once per round, in the order above; a round's times give one
// ratio per pair of programs, and the report takes medians of those ratios.
int Startup(int rounds, int entries, const std::vector<std::string>& specs) {
    std::vector<Program> programs;
    for (const std::string& spec : specs) {
        const std::size_t equals = spec.find('=');
        programs.push_back({spec.substr(0, equals), spec.substr(equals + 1), {}});
    }
    const std::size_t count = programs.size();
    for (Program& program : programs)  // warm the file cache; not counted
        if (StartOnce(program.exe, entries) < 0) {
            std::fprintf(stderr, "%s did not start with %d entries\n", program.exe.c_str(), entries);
            return 1;
        }
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t index : RoundOrder(count, round)) {
            Program& program = programs[index];
            const double ms = StartOnce(program.exe, entries);
            if (ms < 0) {
                std::fprintf(stderr, "%s did not start with %d entries\n", program.exe.c_str(), entries);
                return 1;
            }
            program.ms.push_back(ms);
            Sleep(kSettleMs);
        }
    }
    std::printf("rounds=%d\nentries=%d\n", rounds, entries);
    for (const Program& program : programs) {
        Spread s = SpreadOf(program.ms);
        std::printf("%s_ms=%.1f\n%s_q1_ms=%.1f\n%s_q3_ms=%.1f\n", program.label.c_str(), s.median,
                    program.label.c_str(), s.q1, program.label.c_str(), s.q3);
    }
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = i + 1; j < count; ++j) {
            std::vector<double> ratios;
            for (int round = 0; round < rounds; ++round) ratios.push_back(programs[i].ms[round] / programs[j].ms[round]);
            Spread s = SpreadOf(ratios);
            const std::string key = "ratio_" + programs[i].label + "_" + programs[j].label;
            std::printf("%s=%.3f\n%s_q1=%.3f\n%s_q3=%.3f\n", key.c_str(), s.median, key.c_str(), s.q1, key.c_str(), s.q3);
        }
    return 0;
}

// Runs the step-timing program (bench/startup_steps.cpp) `runs` times after
// one start that warms the caches, and prints the median of each of its values.
// `extra` is handed on to it.
int Steps(int runs, const std::string& exe, const std::string& out, const std::string& extra) {
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    std::vector<std::pair<std::string, std::vector<double>>> values;
    for (int run = 0; run <= runs; ++run) {
        DeleteFileA(out.c_str());
        STARTUPINFOA startup{sizeof startup};
        PROCESS_INFORMATION process{};
        char start[32];
        std::snprintf(start, sizeof start, "%.3f", Now());
        std::string commandLine = "\"" + exe + "\" " + start + " \"" + out + "\"";
        if (!extra.empty()) commandLine += " " + extra;
        if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &process))
            return 1;
        WaitForSingleObject(process.hProcess, 10 * kPatienceMs);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        FILE* file = std::fopen(out.c_str(), "r");
        if (!file) {
            std::fprintf(stderr, "%s wrote no results\n", exe.c_str());
            return 1;
        }
        char line[256];
        for (std::size_t i = 0; std::fgets(line, sizeof line, file); ++i) {
            const char* equals = std::strchr(line, '=');
            if (!equals) continue;
            if (run == 0) {
                values.push_back({std::string(line, static_cast<std::size_t>(equals - line)), {}});
                continue;
            }
            if (i < values.size()) values[i].second.push_back(std::atof(equals + 1));
        }
        std::fclose(file);
        Sleep(kSettleMs);
    }
    std::printf("runs=%d\n", runs);
    for (const auto& [key, list] : values)
        if (!list.empty()) std::printf("%s=%.2f\n", key.c_str(), SpreadOf(list).median);
    return 0;
}

// Counts what reaches the message loop while nobody does anything.
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
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    ui::Application::Instance().SetTitle(text::kAppTitle);
    idleSeconds = seconds;
    launcher::TMainForm form;
    test::Access::SetCommandLine(form, L"kelvaro.exe");
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
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc >= 5)
        return Startup(std::atoi(argv[2]), std::atoi(argv[3]), std::vector<std::string>(argv + 4, argv + argc));
    if (mode == "starts" && argc == 4) {  // exits 0 when the exe shows its window with that many entries
        const double ms = StartOnce(argv[2], std::atoi(argv[3]));
        std::printf("started_ms=%.1f\n", ms);
        return ms < 0 ? 1 : 0;
    }
    if (mode == "steps" && (argc == 5 || argc == 6))
        return Steps(std::atoi(argv[2]), argv[3], argv[4], argc == 6 ? argv[5] : "");
    if (mode == "idle" && argc == 3) return Idle(std::atoi(argv[2]));
    std::fprintf(stderr,
                 "usage: bench startup ROUNDS ENTRIES LABEL=EXE... | steps RUNS EXE OUT [start-only] | starts EXE ENTRIES | idle SECONDS\n");
    return 2;
}
