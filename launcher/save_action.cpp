// Saving the current network configuration as a new script.
#include "core/commands.h"
#include "launcher/files.h"
#include "launcher/main_form.h"
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

}  // namespace launcher
