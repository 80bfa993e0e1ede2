// The open and save file dialogs: explorer style, resizable, no read-only box,
// placed by a hook centred and a third of the way down the active window's
// monitor. The name and filter confirmed last are offered at the next use.
// Wide, so that a name the code page cannot hold is known as such.
#pragma once

#include <windows.h>

#include <string>

#include "core/code_page_path.h"

namespace ui {

class FileDialog {
 public:
    enum class Kind { Open, Save };
    // `filter`: description and pattern pairs separated by "|".
    FileDialog(Kind kind, const char* filter);

    void SetInitialDir(const std::string& folder);
    // Shows the dialog modal to the program; false when the user cancels.
    bool Execute(HWND owner);
    // The full path confirmed last ("" before the first confirmation).
    core::CodePagePath FileName() const;

 private:
    static UINT_PTR CALLBACK PlacementHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);

    Kind kind_;
    std::wstring filter_;  // with NULs, as the dialog takes it
    std::wstring initialDir_;
    std::wstring fileName_;
    int filterIndex_ = 1;  // the entry (1 is the first) selected at the last confirmation
};

}  // namespace ui
