// The main window's save and pin: the current network configuration saved as
// a new script, and the always-on-top pin, whose state is the pin button's
// image alone.
#include "core/netsh_commands.h"
#include "launcher/main_form.h"
#include "launcher/system_queries.h"
#include "resources/texts.h"
#include "ui/application.h"

namespace launcher {

void TMainForm::ToolBtnSaveClick() {
    if (!SaveDialog1.Execute(Handle())) return;
    const std::string path = core::WithScriptExtension(SaveDialog1.FileName());
    if (RefusedForCmd(path, text::kCmdRewritesSaveFormat)) return;
    if (FileExists(path) && ui::Application::Instance().ShowMessageBox(text::kOverwriteQuestion, text::kSaveCaption,
                                                                       MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL)
        return;
    // The interpreter's redirection creates the file; the dump is not awaited.
    const std::string parameters = core::DumpParameters(path, CmdDelayedExpansion());
    shellExecute_(Handle(), nullptr, core::kCommandInterpreter, parameters.c_str(), nullptr, SW_SHOWNORMAL);
    RefreshList(state_.LoadDir);
}

void TMainForm::SetPinLook(bool pinned) {
    SetWindowPos(Handle(), pinned ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    toolBar_.SetImage(kToolBtnTop, pinned ? kImagePinned : kImageUnpinned);
    toolBar_.SetPressed(kToolBtnTop, pinned);
    toolBar_.SetHint(kToolBtnTop, pinned ? text::kHintUnpin : text::kHintPin);
}

void TMainForm::Pin() { SetPinLook(true); }

void TMainForm::ToolBtnTopClick() { SetPinLook(toolBar_.Image(kToolBtnTop) == kImageUnpinned); }

}  // namespace launcher
