#include "tests/win/test_support.h"

#include <commdlg.h>
#include <dlgs.h>

#include <stdexcept>

#include "tests/win/access.h"
#include "ui/application.h"
#include "ui/code_page.h"

namespace test {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string SettingsPath() { return ExeFolder() + "kelvaro.ini"; }

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ControlSearch*>(lParam);
    if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

bool IsRealFont(HFONT font, const char* face) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<char> metrics(GetOutlineTextMetricsA(dc, 0, nullptr));
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICA*>(metrics.data());
    const bool known = !metrics.empty() && GetOutlineTextMetricsA(dc, static_cast<UINT>(metrics.size()), outline) > 0;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    // The face name proper is the font's own; the family name echoes the request.
    return known && std::string(metrics.data() + reinterpret_cast<std::size_t>(outline->otmpFaceName)) == face;
}

void MoveToDpi(HWND window, int from, int to) {
    RECT r;
    GetWindowRect(window, &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, to, from), r.top + MulDiv(r.bottom - r.top, to, from)};
    SendMessageA(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

HWND Find(HWND root, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(root, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<LONG> Placement(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<LONG> ClientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

void Pump() { Access::HandlePendingMessages(); }

bool Terminated() { return Access::Terminated(); }

void ResetTermination() { Access::ResetTermination(); }

MessageBoxes* MessageBoxes::current_ = nullptr;

MessageBoxes::MessageBoxes(int answer) : answer_(answer) {
    current_ = this;
    Access::SetMessageBox(&Show);
}

MessageBoxes::~MessageBoxes() {
    Access::SetMessageBox(&::MessageBoxA);
    current_ = nullptr;
}

int WINAPI MessageBoxes::Show(HWND, const char* text, const char* caption, UINT type) {
    current_->shown_.push_back({text, caption, type});
    return current_->answer_;
}

namespace {

std::vector<TimerTask*> runningTasks;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found) {
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

TimerTask::TimerTask(UINT delayMs) : timer_(SetTimer(nullptr, 0, delayMs, &OnTimer)) { runningTasks.push_back(this); }

TimerTask::~TimerTask() {
    KillTimer(nullptr, timer_);
    std::erase(runningTasks, this);
}

void CALLBACK TimerTask::OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    for (TimerTask* task : runningTasks) {
        if (task->timer_ != timer || task->done_) continue;
        // Marked first: the work may run a message loop in which the timer ticks again.
        task->done_ = true;
        if (!task->Tick()) task->done_ = false;
        return;
    }
}

bool Soon::Tick() {
    action_(context_);
    return true;
}

bool DialogDriver::Tick() {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return false;
    action_(dialog, context_);
    return true;
}

std::string FileNameField(HWND dialog) {
    char text[1024] = {};
    HWND field = GetDlgItem(dialog, cmb13);
    if (!field) field = GetDlgItem(dialog, edt1);
    GetWindowTextA(field, text, sizeof text);
    return text;
}

void SetFileNameField(HWND dialog, const std::string& text) { SetFileNameField(dialog, ui::ToWide(text)); }

void SetFileNameField(HWND dialog, const std::wstring& text) {
    HWND field = GetDlgItem(dialog, cmb13);
    if (!field) field = GetDlgItem(dialog, edt1);
    SetWindowTextW(field, text.c_str());
}

std::string FolderShown(HWND dialog) {
    // The dialogs are wide: so is what they answer.
    wchar_t folder[MAX_PATH] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    return ui::ToCodePage(folder).text;
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

ShellCalls* ShellCalls::current_ = nullptr;

ShellCalls::ShellCalls() { current_ = this; }

ShellCalls::~ShellCalls() { current_ = nullptr; }

HINSTANCE WINAPI ShellCalls::Execute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                     INT show) {
    current_->calls_.push_back({owner, verb != nullptr, verb ? verb : "", file ? file : "", parameters != nullptr,
                                parameters ? parameters : "", directory != nullptr, show});
    return reinterpret_cast<HINSTANCE>(33);
}

BOOL WINAPI ShellCalls::ExecuteEx(SHELLEXECUTEINFOA* info) {
    info->hInstApp = Execute(info->hwnd, info->lpVerb, info->lpFile, info->lpParameters, info->lpDirectory, info->nShow);
    info->hProcess = nullptr;
    return TRUE;
}

std::vector<std::string> ShellCalls::Parameters() const {
    std::vector<std::string> parameters;
    for (const ShellCall& call : calls_) parameters.push_back(call.parameters);
    return parameters;
}

}  // namespace test
