#include "ui/file_dialog.h"

#include <commdlg.h>

#include <optional>
#include <vector>

#include "core/path_text.h"
#include "core/placement.h"
#include "ui/application.h"
#include "ui/code_page.h"
#include "ui/screen.h"
#include "ui/system_api.h"

namespace ui {
namespace {

constexpr DWORD kFileBufferSize = 4096;

constexpr int kThirdDown = 3;
// Kept on the dialog until it shows: its own procedure, and the window that
// was active when it was asked for (by the time it shows, it is the active one).
constexpr char kOwnProcedure[] = "KelvaroDialogProcedure";
constexpr char kActiveBefore[] = "KelvaroActiveBefore";

// Centred across, a third of the way down the monitor of `active`. Placed
// twice: arriving on a monitor of another density, it is scaled there.
void PlaceOnMonitorOf(HWND active, HWND window) {
    const std::optional<core::Bounds> area = screen::MonitorAreaOf(active);
    if (!area) return;
    for (int placing = 0; placing < 2; ++placing) {
        const core::Bounds b = core::CenteredIn(screen::BoundsOf(window), *area, kThirdDown);
        SetWindowPos(window, nullptr, b.left, b.top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOZORDER);
    }
}

// Placed as it is about to show, with the size it shows with: after its
// initialisation the dialog takes the size it had at its last use. (The
// wide functions: a dialog of the system's, it keeps its texts as they are.)
LRESULT CALLBACK PlaceWhenShown(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto procedure = reinterpret_cast<WNDPROC>(GetPropA(dialog, kOwnProcedure));
    if (message == WM_SHOWWINDOW && wParam) {
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RemovePropA(dialog, kOwnProcedure)));
        HWND active = static_cast<HWND>(RemovePropA(dialog, kActiveBefore));
        // Called by the dialog, not through the program's windows: no exception may leave.
        Application::Instance().Guard([&] { PlaceOnMonitorOf(active, dialog); });
    }
    return CallWindowProcW(procedure, dialog, message, wParam, lParam);
}

}  // namespace

FileDialog::FileDialog(Kind kind, const char* filter)
    : kind_(kind), filter_(ToWide(core::path_text::ReplaceChar(filter, '|', '\0') + std::string(2, '\0'))) {}

void FileDialog::SetInitialDir(const std::string& folder) { initialDir_ = ToWide(folder); }

core::CodePagePath FileDialog::FileName() const { return ToCodePage(fileName_); }

UINT_PTR CALLBACK FileDialog::PlacementHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    const auto* notice = reinterpret_cast<OFNOTIFYW*>(lParam);
    if (message != WM_NOTIFY || notice->hdr.code != CDN_INITDONE) return 0;
    // An explorer-style hook runs in a child of the dialog.
    HWND dialog = GetParent(hook);
    SetPropA(dialog, kActiveBefore, reinterpret_cast<HANDLE>(notice->lpOFN->lCustData));
    SetPropA(dialog, kOwnProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrW(dialog, GWLP_WNDPROC)));
    SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PlaceWhenShown));
    return 0;
}

bool FileDialog::Execute(HWND owner) {
    std::vector<wchar_t> file(kFileBufferSize, L'\0');
    fileName_.copy(file.data(), file.size() - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter_.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex_);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kFileBufferSize;
    ofn.lpstrInitialDir = initialDir_.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_ENABLEHOOK;
    ofn.lpfnHook = &PlacementHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(GetActiveWindow());
    BOOL confirmed;
    {
        TaskWindowsDisabled others(owner);
        confirmed = kind_ == Kind::Open ? api::GetOpenFileNameW(&ofn) : api::GetSaveFileNameW(&ofn);
    }
    if (!confirmed) return false;
    fileName_ = file.data();
    filterIndex_ = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace ui
