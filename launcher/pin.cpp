// The always-on-top pin. Its state is the pin button's image alone.
#include "launcher/main_form.h"
#include "resources/texts.h"

namespace launcher {

void TMainForm::SetPinLook(bool pinned) {
    SetWindowPos(Handle(), pinned ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    toolBar_.SetImage(kToolBtnTop, pinned ? kImagePinned : kImageUnpinned);
    toolBar_.SetPressed(kToolBtnTop, pinned);
    toolBar_.SetHint(kToolBtnTop, pinned ? text::kHintUnpin : text::kHintPin);
}

void TMainForm::Pin() { SetPinLook(true); }

void TMainForm::ToolBtnTopClick() { SetPinLook(toolBar_.Image(kToolBtnTop) == kImageUnpinned); }

}  // namespace launcher
