// The main window's list and runs: the list of scripts in the load folder,
// and every route that hands a script to the launcher (the list, the open
// dialog, a drop, the command line).
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <vector>

#include "core/command_line.h"
#include "core/path_text.h"
#include "launcher/main_form.h"
#include "resources/texts.h"
#include "ui/code_page.h"
#include "ui/error.h"
#include "ui/file_search.h"
#include "ui/system_api.h"

namespace launcher {
namespace {

constexpr char kEnter = 13;
constexpr int kFirstRoom = 256;
// An entry's data when its text is not its file's name (a character that
// the code page lacks).
constexpr LPARAM kNotTheName = 1;

// Releases a drop handle on every path out of the handler.
class DropHandle {
 public:
    explicit DropHandle(HDROP drop) : drop_(drop) {}
    ~DropHandle() { ui::api::DragFinish(drop_); }
    DropHandle(const DropHandle&) = delete;
    DropHandle& operator=(const DropHandle&) = delete;

    // The first dropped name, whole however long it is: a name cut to fit a
    // fixed buffer could name another file.
    core::CodePagePath FirstName() const {
        UINT length = ui::api::DragQueryFileW(drop_, 0, nullptr, 0);
        std::vector<wchar_t> name(length + 1, L'\0');
        ui::api::DragQueryFileW(drop_, 0, name.data(), length + 1);
        return ui::ToCodePage(name.data());
    }

 private:
    HDROP drop_;
};

}  // namespace

void TMainForm::RefreshList(const std::string& folder) {
    ui::ListBox::UpdateScope noRepaint(list_);
    list_.Clear();
    ui::FileSearch search(ui::ToWide(core::path_text::IncludeTrailingBackslash(folder) + "*." + launcher_.State().ListExt));
    // Every kind of entry is enumerated; only folders (also "." and "..") are left out.
    int count = 0;
    int room = 0;
    for (bool more = search.Found(); more; more = search.Next()) {
        if (search.Entry().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // Room for twice as many entries whenever it runs out: a list that
        // grows by a few entries at a time fills in quadratic time.
        if (count == room) room = list_.Reserve(room == 0 ? kFirstRoom : room);
        const core::CodePagePath name = ui::ToCodePage(search.Entry().cFileName);
        LRESULT added = list_.Add(name.text.c_str());
        if (added == LB_ERR || added == LB_ERRSPACE) throw ui::Error(text::kCannotInsertLine);
        count = static_cast<int>(added) + 1;  // the list is unsorted: each entry goes last
        if (!name.exact) list_.SetItemData(count - 1, kNotTheName);
    }
}

void TMainForm::RefreshLoadFolder() { RefreshList(launcher_.State().LoadDir); }

void TMainForm::Follow(After after) {
    if (after == After::Close) Close();
}

void TMainForm::ToolBtnExecClick() {
    const int selected = list_.SelectedIndex();
    std::optional<core::CodePagePath> entry;
    if (selected >= 0) entry = core::CodePagePath{list_.Text(selected), list_.ItemData(selected) != kNotTheName};
    Follow(launcher_.RunListEntry(entry, list_.Count() > 0));
}

void TMainForm::ToolBtnOpenClick() {
    if (OpenDialog1.Execute(Handle())) Follow(launcher_.RunChosenFile(OpenDialog1.FileName()));
}

void TMainForm::FilesDropped(HDROP drop) {
    After after;
    {
        DropHandle dropped(drop);
        after = launcher_.RunDroppedFile(dropped.FirstName());
    }
    Follow(after);  // once the drop is released
}

void TMainForm::FormShow() {
    // Split wide, so that each argument is known to be its name or not.
    std::vector<core::CodePagePath> arguments;
    for (const std::wstring& argument : core::SplitCommandLine(commandLine_)) arguments.push_back(ui::ToCodePage(argument));
    launcher_.RunCommandLine(std::move(arguments), [this] { Close(); });
}

void TMainForm::HScrollListbox1KeyPress(char& key) {
    if (key != kEnter) return;
    key = 0;
    ToolBtnExecClick();
}

void TMainForm::HScrollListbox1DblClick() { ToolBtnExecClick(); }

}  // namespace launcher
