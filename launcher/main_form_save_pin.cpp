// The main window's save and pin: the current network configuration saved as
// a new script, and the always-on-top pin, whose state is the pin button's
// image alone.
#include "launcher/main_form.h"
#include "resources/texts.h"

namespace launcher {

void TMainForm::ToolBtnSaveClick() {
    if (!SaveDialog1.Execute(Handle())) return;
    // The new profile shows once it is in place.
    launcher_.SaveConfiguration(SaveDialog1.FileName(), [this] { RefreshList(launcher_.State().LoadDir); });
}

void TMainForm::SetPinLook(bool pinned) {
    SetWindowPos(Handle(), pinned ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    toolBar_.SetImage(kToolBtnTop, pinned ? kImagePinned : kImageUnpinned);
    toolBar_.SetPressed(kToolBtnTop, pinned);
    toolBar_.SetHint(kToolBtnTop, pinned ? text::kHintUnpin : text::kHintPin);
    SetCommandChecked(kToolBtnTop, pinned);
}

void TMainForm::Pin() { SetPinLook(true); }

void TMainForm::ToolBtnTopClick() { SetPinLook(toolBar_.Image(kToolBtnTop) == kImageUnpinned); }

}  // namespace launcher
