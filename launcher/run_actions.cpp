// The actions that hand a script to the network shell: the list, the open
// dialog and dropped files.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "core/commands.h"
#include "core/error_text.h"
#include "core/path_text.h"
#include "launcher/files.h"
#include "launcher/main_form.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/system_api.h"

namespace launcher {
namespace {

// Releases a drop handle on every path out of the handler.
class DropHandle {
 public:
    explicit DropHandle(HDROP drop) : drop_(drop) {}
    ~DropHandle() { ui::api::DragFinish(drop_); }
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;

    // The first dropped name, whole however long it is: a name cut to fit a
    // fixed buffer could name another file.
    std::string FirstName() const {
        UINT length = ui::api::DragQueryFileA(drop_, 0, nullptr, 0);
        std::vector<char> name(length + 1, '\0');
        ui::api::DragQueryFileA(drop_, 0, name.data(), length + 1);
        return name.data();
    }

 private:
    HDROP drop_;
};

}  // namespace

bool TMainForm::RefusedForCmd(const std::string& path, const char* format) {
    const std::string_view part = core::CmdVariableReference(path, &EnvironmentHas);
    if (part.empty()) return false;
    ui::Application::Instance().ShowError(core::FillIn(format, {path, part}));
    return true;
}

void TMainForm::RunScript(const std::string& path) {
    // Reported here rather than raised, so that every route goes on as it
    // would after a run: the command line to its next argument and its end,
    // the others to their close.
    if (RefusedForCmd(path, text::kCmdRewritesRunFormat)) return;
    // Not awaited and not examined: netsh reports to the console itself.
    const std::string parameters = core::RunScriptParameters(path, CmdDelayedExpansion());
    shellExecute_(Handle(), nullptr, core::kCommandInterpreter, parameters.c_str(), nullptr,
                  state_.ShowPrompt ? SW_SHOWNORMAL : SW_HIDE);
}

void TMainForm::ToolBtnExecClick() {
    const int count = list_.Count();
    for (int i = count - 1; i >= 0; --i)
        if (list_.Selected(i)) RunScript(path_text::IncludeTrailingBackslash(state_.LoadDir) + list_.Text(i));
    // One close request after the walk, not one per entry: the same outcome,
    // without storing the bounds once per entry, and a refused store can no
    // longer stop the walk before the selected entry has run.
    if (state_.CloseAfterRun && count > 0) Close();
}

void TMainForm::ToolBtnOpenClick() {
    if (!OpenDialog1.Execute(Handle())) return;
    RunScript(OpenDialog1.FileName());
    if (state_.CloseAfterRun) Close();
}

void TMainForm::WMDropFiles(WPARAM drop) {
    {
        DropHandle dropped(reinterpret_cast<HDROP>(drop));
        std::string name = dropped.FirstName();
        if (FileExists(name)) RunScript(name);
    }
    if (state_.CloseAfterRun) Close();
}

}  // namespace launcher
