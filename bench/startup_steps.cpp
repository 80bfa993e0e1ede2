// kelvaro's start-up, step by step, in a GUI program built from the product
// libraries: the steps of app/main.cpp in their order, each timed on the
// performance counter, then what the fill spends per entry. It is copied into
// the measured folder like kelvaro.exe, so it lists that folder and reads the
// settings file there. Run by "kelvaro_bench steps":
//   kelvaro_steps.exe START_MS OUT_FILE [start-only]
// START_MS is the driver's clock just before it created the process; the
// results go to OUT_FILE as key=value lines, times in milliseconds.
// "start-only" leaves out the fill's pieces.
//
// Inside the main window's creation the steps are told apart by the system
// calls that begin and end them: this program's own import table is pointed
// at timing stand-ins for those few calls (never for the ones made once per
// entry, whose timing would cost more than they do).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/clock.h"
#include "dialogs/about_box.h"
#include "dialogs/settings_dialog.h"
#include "launcher/main_form.h"
#include "launcher/settings_file.h"
#include "core/path_text.h"
#include "resources/texts.h"
#include "tests/win/access.h"
#include "ui/application.h"
#include "ui/system_api.h"

namespace {

using bench::Now;

// One call of a watched function: what, and when it began and returned.
struct Event {
    const char* what;
    double enter;
    double exit;
};
std::vector<Event> events;

struct Timed {
    const char* what;
    double enter = Now();
    ~Timed() { events.push_back({what, enter, Now()}); }
};

// The real functions, kept when the import table is redirected.
decltype(&CreateIconIndirect) realCreateIconIndirect;
decltype(&CreateWindowExA) realCreateWindowExA;
decltype(&CreateDIBSection) realCreateDIBSection;
decltype(&GetPrivateProfileStringA) realGetPrivateProfileStringA;
decltype(&WritePrivateProfileStringA) realWritePrivateProfileStringA;
decltype(&FindFirstFileA) realFindFirstFileA;
decltype(&FindClose) realFindClose;
decltype(&GetTextExtentPoint32A) realGetTextExtentPoint32A;
decltype(&GetFileAttributesA) realGetFileAttributesA;
// Texts measured: counted, not timed (it runs once per entry).
int measurements = 0;

HICON WINAPI TimedCreateIconIndirect(PICONINFO info) {
    Timed t{"icon"};
    return realCreateIconIndirect(info);
}

HWND WINAPI TimedCreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR name, DWORD style, int x, int y, int width,
                                 int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    const bool named = HIWORD(reinterpret_cast<UINT_PTR>(className)) != 0;
    Timed t{!named                                        ? "window"
            : lstrcmpiA(className, "LISTBOX") == 0        ? "window_list"
            : lstrcmpiA(className, TOOLBARCLASSNAMEA) == 0 ? "window_toolbar"
            : lstrcmpiA(className, launcher::TMainForm::kClassName) == 0 ? "window_main"
                                                                          : "window"};
    return realCreateWindowExA(exStyle, className, name, style, x, y, width, height, parent, menu, instance, param);
}

// The pictures' bitmaps: the icons' first, then the tool bar's image list's.
HBITMAP WINAPI TimedCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                     DWORD offset) {
    Timed t{"picture"};
    return realCreateDIBSection(dc, info, usage, bits, section, offset);
}

DWORD WINAPI TimedGetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR value, DWORD size,
                                           LPCSTR file) {
    Timed t{"ini_read"};
    return realGetPrivateProfileStringA(section, key, fallback, value, size, file);
}

BOOL WINAPI TimedWritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
    Timed t{section ? "ini_write" : "ini_flush"};
    return realWritePrivateProfileStringA(section, key, value, file);
}

// At start-up only the settings file is looked for this way.
DWORD WINAPI TimedGetFileAttributesA(LPCSTR path) {
    Timed t{"ini_check"};
    return realGetFileAttributesA(path);
}

HANDLE WINAPI TimedFindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA entry) {
    Timed t{"find_first"};
    return realFindFirstFileA(pattern, entry);
}

BOOL WINAPI TimedFindClose(HANDLE search) {
    Timed t{"find_close"};
    return realFindClose(search);
}

BOOL WINAPI CountedGetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size) {
    ++measurements;
    return realGetTextExtentPoint32A(dc, text, length, size);
}

// Points this module's import of `dll`!`name` at `stand_in`; returns the real function.
template <class Function>
void Redirect(const char* dll, const char* name, Function standIn, Function& real) {
    real = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(dll), name)));
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name;
         ++import) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk); slot->u1.Function; ++slot) {
            if (slot->u1.Function != reinterpret_cast<DWORD_PTR>(real)) continue;
            DWORD old = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &old);
            slot->u1.Function = reinterpret_cast<DWORD_PTR>(standIn);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, old, &old);
        }
    }
}

void RedirectImports() {
    Redirect("user32.dll", "CreateIconIndirect", &TimedCreateIconIndirect, realCreateIconIndirect);
    Redirect("user32.dll", "CreateWindowExA", &TimedCreateWindowExA, realCreateWindowExA);
    Redirect("gdi32.dll", "CreateDIBSection", &TimedCreateDIBSection, realCreateDIBSection);
    Redirect("kernel32.dll", "GetPrivateProfileStringA", &TimedGetPrivateProfileStringA, realGetPrivateProfileStringA);
    Redirect("kernel32.dll", "WritePrivateProfileStringA", &TimedWritePrivateProfileStringA,
             realWritePrivateProfileStringA);
    Redirect("kernel32.dll", "FindFirstFileA", &TimedFindFirstFileA, realFindFirstFileA);
    Redirect("kernel32.dll", "FindClose", &TimedFindClose, realFindClose);
    Redirect("kernel32.dll", "GetFileAttributesA", &TimedGetFileAttributesA, realGetFileAttributesA);
    Redirect("gdi32.dll", "GetTextExtentPoint32A", &CountedGetTextExtentPoint32A, realGetTextExtentPoint32A);
}

class Results {
 public:
    void Add(const std::string& key, double value) { lines_ += key + "=" + std::to_string(value) + "\n"; }
    // Milliseconds that `step` takes, under `key`.
    double Time(const std::string& key, const std::function<void()>& step) {
        const double start = Now();
        step();
        const double ms = Now() - start;
        Add(key, ms);
        return ms;
    }
    void Write(const char* path) const {
        if (FILE* file = std::fopen(path, "w")) {
            std::fputs(lines_.c_str(), file);
            std::fclose(file);
        }
    }

 private:
    std::string lines_;
};

// Sum and count of the calls of one kind, and the first begin and last end.
struct Span {
    double ms = 0;
    int calls = 0;
    double first = 0;
    double last = 0;
};

Span SpanOf(const char* what, double from, double to) {
    Span span;
    for (const Event& e : events) {
        if (std::strcmp(e.what, what) != 0 || e.enter < from || e.exit > to) continue;
        if (span.calls == 0) span.first = e.enter;
        span.last = e.exit;
        span.ms += e.exit - e.enter;
        ++span.calls;
    }
    return span;
}

// Breaks the main window's creation down by the calls that mark its steps.
void BreakDownCreate(Results& results, double from, double to) {
    const Span icons = SpanOf("icon", from, to);
    const Span window = SpanOf("window_main", from, to);
    const Span list = SpanOf("window_list", from, to);
    const Span bar = SpanOf("window_toolbar", from, to);
    // comctl32 is bound at run time, out of reach of the import table: the
    // image list is from its first picture to the tool bar's window.
    const Span pictures = SpanOf("picture", list.first, bar.first);
    const Span checks = SpanOf("ini_check", from, to);
    const Span reads = SpanOf("ini_read", from, to);
    const Span flushes = SpanOf("ini_flush", from, to);
    const Span findFirst = SpanOf("find_first", from, to);
    const Span findClose = SpanOf("find_close", from, to);
    // The icons are drawn first: from the start up to the second icon made.
    results.Add("create_icons_ms", icons.last - from);
    // Registering the class and making the window, up to its first control.
    results.Add("create_window_ms", list.first - icons.last);
    results.Add("create_window_call_ms", window.ms);
    // The list, its font and item height, up to the tool bar's images.
    results.Add("create_list_ms", pictures.first - list.first);
    results.Add("create_images_ms", bar.first - pictures.first);
    // The tool bar, its buttons, hints and tip delays, and the layout, up to
    // the settings file's first use (its existence checked, or a read).
    const double firstAccess =
        checks.calls && (!reads.calls || checks.first < reads.first) ? checks.first : reads.first;
    results.Add("create_toolbar_ms", firstAccess - bar.first);
    results.Add("create_toolbar_call_ms", bar.ms);
    results.Add("ini_checks", checks.calls);
    results.Add("ini_checks_ms", checks.ms);
    results.Add("ini_reads", reads.calls);
    results.Add("ini_reads_ms", reads.ms);
    results.Add("ini_flushes", flushes.calls);
    results.Add("ini_flushes_ms", flushes.ms);
    // An empty search has nothing to close.
    const double fillEnd = findClose.calls ? findClose.last : findFirst.last;
    results.Add("fill_ms", fillEnd - findFirst.first);
    results.Add("fill_find_first_ms", findFirst.ms);
    const double accounted = (icons.last - from) + (list.first - icons.last) + (pictures.first - list.first) +
                             (bar.first - pictures.first) + (firstAccess - bar.first) + checks.ms + reads.ms +
                             flushes.ms + (fillEnd - findFirst.first);
    results.Add("create_other_ms", (to - from) - accounted);
}

// Handles what is queued until nothing is left to paint or to handle.
void PumpUntilIdle() {
    for (;;) {
        test::Access::HandlePendingMessages();
        if (GetQueueStatus(QS_ALLINPUT) == 0) return;
    }
}

// What the fill spends per entry: the same enumeration into a plain list,
// bare and then with one piece of kelvaro's per-entry work added at a time.
class FillParts {
 public:
    FillParts(const std::string& folder, HFONT font) : pattern_(folder + "*.nsh"), font_(font) {
        parent_ = CreateWindowExA(0, "STATIC", nullptr, WS_OVERLAPPEDWINDOW, 0, 0, 180, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    ~FillParts() { DestroyWindow(parent_); }

    enum Extra { kNone, kMeasure, kCount, kSelect, kCopy, kSubclass, kEnumerateOnly };

    double Run(Extra extra) {
        HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                    0, 29, 172, 44, parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (extra == kSubclass)
            baseProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassOn)));
        const double start = Now();
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        HDC dc = GetDC(list);
        HGDIOBJ old = SelectObject(dc, font_);
        std::string text;
        SIZE size{};
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA(pattern_.c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY || extra == kEnumerateOnly) continue;
                if (extra == kCount) SendMessageA(list, LB_GETCOUNT, 0, 0);
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.cFileName));
                if (extra == kNone) continue;
                if (extra == kSelect) {
                    SelectObject(dc, old);
                    SelectObject(dc, font_);
                }
                if (extra == kCopy) {
                    text.assign(entry.cFileName);
                    text += ' ';
                    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
                    continue;
                }
                int length = lstrlenA(entry.cFileName);
                entry.cFileName[length] = ' ';
                GetTextExtentPoint32A(dc, entry.cFileName, length + 1, &size);
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        SelectObject(dc, old);
        ReleaseDC(list, dc);
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        const double ms = Now() - start;
        DestroyWindow(list);
        return ms;
    }

 private:
    static LRESULT CALLBACK PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcA(baseProc_, hwnd, message, wParam, lParam);
    }
    static inline WNDPROC baseProc_ = nullptr;

    std::string pattern_;
    HFONT font_;
    HWND parent_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The fill's parts, alternated over a few runs; medians in milliseconds.
void MeasureFillParts(Results& results, launcher::TMainForm& form) {
    const std::string folder = launcher::ExeFolder();
    FillParts parts(folder, reinterpret_cast<HFONT>(SendMessageA(form.Handle(), WM_GETFONT, 0, 0)));
    struct Part {
        const char* key;
        FillParts::Extra extra;
        std::vector<double> ms;
    };
    std::vector<Part> list = {{"part_enumerate_ms", FillParts::kEnumerateOnly, {}},
                              {"part_bare_ms", FillParts::kNone, {}},
                              {"part_measure_ms", FillParts::kMeasure, {}},
                              {"part_count_query_ms", FillParts::kCount, {}},
                              {"part_font_selections_ms", FillParts::kSelect, {}},
                              {"part_string_copy_ms", FillParts::kCopy, {}},
                              {"part_subclass_ms", FillParts::kSubclass, {}}};
    std::vector<double> kelvaro, clear;
    constexpr int kRuns = 3;
    for (int run = 0; run < kRuns; ++run) {
        for (Part& part : list) part.ms.push_back(parts.Run(part.extra));
        double start = Now();
        test::Access::List(form).Clear();
        clear.push_back(Now() - start);
        start = Now();
        test::Access::RefreshList(form, folder);
        kelvaro.push_back(Now() - start);
    }
    for (const Part& part : list) results.Add(part.key, Median(part.ms));
    results.Add("part_kelvaro_fill_ms", Median(kelvaro));
    results.Add("part_clear_ms", Median(clear));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const double entered = Now();
    if (__argc != 3 && __argc != 4) return 2;
    Results results;
    results.Add("process_to_winmain_ms", entered - std::atof(__argv[1]));
    ui::api::LoadDllsFromSystemFolderOnly();
    RedirectImports();
    events.reserve(256);

    results.Time("code_page_ms", [] {
        CPINFO info{};
        int pairs = 0;
        if (GetCPInfo(CP_ACP, &info))
            while (pairs < MAX_LEADBYTES / 2 && info.LeadByte[2 * pairs] != 0) ++pairs;
        core::path_text::UseLeadByteRanges(info.LeadByte, pairs);
    });
    results.Time("init_common_controls_ms", [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
        ui::api::InitCommonControlsEx(&controls);
    });
    ui::Application& app = ui::Application::Instance();
    app.SetTitle(text::kAppTitle);
    launcher::TMainForm* mainForm = nullptr;
    dialogs::TSettings* settings = nullptr;
    dialogs::TAboutBox* aboutBox = nullptr;
    results.Time("construct_ms", [&] {
        mainForm = new launcher::TMainForm;
        settings = new dialogs::TSettings;
        aboutBox = new dialogs::TAboutBox;
    });
    test::Access::SetCommandLine(*mainForm, L"kelvaro.exe");  // its arguments would be run as scripts
    const double createStart = Now();
    results.Time("create_main_ms", [&] { mainForm->Create(); });
    BreakDownCreate(results, createStart, Now());
    results.Time("create_settings_ms", [&] { settings->Create(mainForm->Handle()); });
    results.Time("create_about_ms", [&] { aboutBox->Create(mainForm->Handle()); });
    mainForm->SetDialogs(settings, aboutBox);
    results.Time("show_ms", [&] { mainForm->Show(); });
    results.Time("first_paint_ms", [] { PumpUntilIdle(); });
    results.Add("winmain_to_idle_ms", Now() - entered);
    results.Add("entries", test::Access::List(*mainForm).Count());
    results.Add("measured", measurements);

    if (__argc == 3) MeasureFillParts(results, *mainForm);
    results.Write(__argv[2]);
    ExitProcess(0);  // as kelvaro ends: the windows go with the process
}
