// The main window's list and runs: the list of scripts in the load folder,
// and every route that hands a script to the network shell (the list, the
// open dialog, a drop, the command line).
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "core/command_line.h"
#include "core/error_text.h"
#include "core/long_path.h"
#include "core/netsh_commands.h"
#include "core/path_text.h"
#include "launcher/main_form.h"
#include "launcher/system_queries.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/error.h"
#include "ui/system_api.h"

namespace launcher {
namespace {

constexpr char kEnter = 13;
constexpr int kFirstRoom = 256;

// A directory search that is closed on every path out of its scope.
class FileSearch {
 public:
    explicit FileSearch(const std::string& pattern) : handle_(FindFirstFileA(pattern.c_str(), &entry_)) {}
    ~FileSearch() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next() { return FindNextFileA(handle_, &entry_) != FALSE; }
    const WIN32_FIND_DATAA& Entry() const { return entry_; }

 private:
    WIN32_FIND_DATAA entry_{};
    HANDLE handle_;
};

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

void TMainForm::RefreshList(const std::string& folder) {
    ui::ListBox::UpdateScope noRepaint(list_);
    list_.Clear();
    FileSearch search(core::path_text::IncludeTrailingBackslash(folder) + "*." + state_.ListExt);
    // Every kind of entry is enumerated; only folders (also "." and "..") are left out.
    int count = 0;
    int room = 0;
    for (bool more = search.Found(); more; more = search.Next()) {
        if (search.Entry().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // Room for twice as many entries whenever it runs out: a list that
        // grows by a few entries at a time fills in quadratic time.
        if (count == room) room = list_.Reserve(room == 0 ? kFirstRoom : room);
        LRESULT added = list_.Add(search.Entry().cFileName);
        if (added == LB_ERR || added == LB_ERRSPACE) throw ui::Error(text::kCannotInsertLine);
        count = static_cast<int>(added) + 1;  // the list is unsorted: each entry goes last
    }
}

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
        if (list_.Selected(i)) RunScript(core::path_text::IncludeTrailingBackslash(state_.LoadDir) + list_.Text(i));
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

void TMainForm::FormShow() {
    const std::vector<std::string> arguments = core::SplitCommandLine(commandLine_);
    if (arguments.empty()) return;
    for (const std::string& argument : arguments) {
        std::string path = core::ExpandLongPath(argument, &FindLongName);
        if (FileExists(path)) RunScript(path);
    }
    // Every argument is run before the one close request, so a refused store
    // of the bounds cannot leave later scripts unrun.
    Close();
}

void TMainForm::HScrollListbox1KeyPress(char& key) {
    if (key != kEnter) return;
    key = 0;
    ToolBtnExecClick();
}

void TMainForm::HScrollListbox1DblClick() { ToolBtnExecClick(); }

}  // namespace launcher
