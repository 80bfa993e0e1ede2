#include "ui/file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "core/path_text.h"
#include "ui/application.h"
#include "ui/system_api.h"

namespace ui {
namespace {

constexpr DWORD kFileBufferSize = 4096;

// Centred across, a third of the way down the monitor of the active window.
void PlaceOnActiveMonitor(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoA(MonitorFromWindow(GetActiveWindow(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcMonitor;
    int left = area.left + (area.right - area.left - (rect.right - rect.left)) / 2;
    int top = area.top + (area.bottom - area.top - (rect.bottom - rect.top)) / 3;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace

FileDialog::FileDialog(Kind kind, const char* filter)
    : kind_(kind), filter_(core::path_text::ReplaceChar(filter, '|', '\0') + std::string(2, '\0')) {}

UINT_PTR CALLBACK FileDialog::PlacementHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    // An explorer-style hook runs in a child of the dialog; the dialog is its parent.
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE)
        PlaceOnActiveMonitor(GetParent(dialog));
    return 0;
}

bool FileDialog::Execute(HWND owner) {
    std::vector<char> file(kFileBufferSize, '\0');
    fileName_.copy(file.data(), file.size() - 1);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kFileBufferSize;
    ofn.lpstrInitialDir = initialDir_.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_ENABLEHOOK;
    ofn.lpfnHook = &PlacementHook;
    BOOL confirmed;
    {
        TaskWindowsDisabled others(owner);
        confirmed = kind_ == Kind::Open ? api::GetOpenFileNameA(&ofn) : api::GetSaveFileNameA(&ofn);
    }
    if (!confirmed) return false;
    fileName_ = file.data();
    filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace ui
