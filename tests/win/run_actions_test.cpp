// Handing scripts to the shell: the list, the open dialog, dropped files.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <stdexcept>

#include "launcher/system_queries.h"
#include "tests/common/registry.h"
#include "tests/win/main_form_fixture.h"
#include "tests/win/simulated_screens.h"

namespace {

class RunActionsTest : public MainFormTest {
 protected:
    TMainForm& CreateWithScripts(const std::string& checkboxes = "") {
        test::WriteText(folder / "a.nsh", "");
        test::WriteText(folder / "b c.nsh", "");
        WriteSettings("[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n[CHECKBOX]\r\n" + checkboxes);
        TMainForm& main = Create();
        test::Access::SetShellExecute(main, &test::ShellCalls::Execute);
        main.Show();
        return main;
    }

    int IndexOf(const std::string& name) {
        return static_cast<int>(
            SendMessageA(List().Handle(), LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name.c_str())));
    }

    void ClickToolButton(int command) {
        RECT r = ButtonRect(command);
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageA(Bar().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(Bar().Handle(), WM_LBUTTONUP, 0, at);
        test::Pump();
    }

    std::string RunOf(const std::string& path) { return "/c netsh -f \"" + path + "\""; }

    test::ShellCalls shell;
};

// A drop handle as the shell makes one, holding these names.
HDROP MakeDrop(const std::vector<std::string>& names) {
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& name : names) size += name.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* next = reinterpret_cast<char*>(drop + 1);
    for (const std::string& name : names) {
        std::memcpy(next, name.c_str(), name.size() + 1);
        next += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(RunActionsTest, RunScriptStartsTheInterpreterAsShowPromptSays) {
    test::Access::RunScript(CreateWithScripts("Dos=1\r\n"), "C:\\nsh\\home.nsh");
    ASSERT_EQ(shell.Calls().size(), 1u);
    const test::ShellCall& call = shell.Calls()[0];
    EXPECT_EQ(call.owner, form->Handle());
    EXPECT_FALSE(call.hasVerb);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.file, "cmd.exe");
    EXPECT_EQ(call.parameters, "/c netsh -f \"C:\\nsh\\home.nsh\"");
    EXPECT_EQ(call.show, SW_SHOWNORMAL);

    WriteSettings("[CHECKBOX]\r\nDos=0\r\n");
    LoadSettings();
    test::Access::RunScript(*form, "C:\\nsh\\home.nsh");
    EXPECT_EQ(shell.Calls().back().show, SW_HIDE);
}

TEST_F(RunActionsTest, EnterOutsideTheListAndWithoutSelectionRunsNothing) {
    TMainForm& main = CreateWithScripts();
    PostMessageA(List().Handle(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(main.Handle(), WM_CHAR, 13, 1);
    test::Pump();
    EXPECT_TRUE(shell.Calls().empty());
}

TEST_F(RunActionsTest, CloseAfterRunEndsTheProgramForAnyNonEmptyList) {
    CreateWithScripts("Close=1\r\n");
    ClickToolButton(launcher::kToolBtnExec);  // nothing selected
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_TRUE(test::Terminated());

    test::ResetTermination();
    test::RemoveTree(folder / "a.nsh");
    test::RemoveTree(folder / "b c.nsh");
    RefreshList(folder.Path());
    ClickToolButton(launcher::kToolBtnExec);  // an empty list never closes
    EXPECT_FALSE(test::Terminated());
}

TEST_F(RunActionsTest, RefusedBoundsWriteStillRunsTheSelectedScriptReportsOnceAndCloses) {
    CreateWithScripts("Close=1\r\n");
    Select(0);  // the first entry: the walk reaches it last
    test::RemoveTree(test::SettingsPath());
    ASSERT_TRUE(CreateDirectoryA(test::SettingsPath().c_str(), nullptr));
    test::MessageBoxes boxes;
    ClickToolButton(launcher::kToolBtnExec);
    EXPECT_EQ(shell.Calls().size(), 1u);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(test::Terminated()) << "a settings file that cannot be written keeps nobody in";
}

// Only the first dropped name runs, whole however long, and only if it is a
// file; the drop handle is released; the close follows, run or not.
TEST_F(RunActionsTest, DropRunsTheFirstNameIfItIsAFileAndReleasesTheHandle) {
    // Over 255 characters in all: a fixed 256-byte buffer would cut it.
    std::string deep = folder.Path();
    for (char part : std::string("ab")) {
        deep += "\\" + std::string(100, part);
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    const std::string longName = deep + "\\" + std::string(253 - deep.size(), 's') + ".nsh";
    test::WriteText(longName, "");
    test::WriteText(longName.substr(0, 254), "");  // what a cut name would find
    CreateDirectoryA((folder / "sub.nsh").c_str(), nullptr);
    TMainForm& main = CreateWithScripts("Close=1\r\n");
    const std::pair<std::vector<std::string>, std::vector<std::string>> drops[] = {
        {{folder / "b c.nsh", folder / "a.nsh", folder / "missing.nsh"}, {RunOf(folder / "b c.nsh")}},
        {{folder / "sub.nsh"}, {}},
        {{folder / "gone.nsh"}, {}},
        {{longName}, {RunOf(longName)}},
    };
    for (const auto& [names, runs] : drops) {
        const std::size_t before = shell.Calls().size();
        HDROP drop = MakeDrop(names);
        PostMessageA(main.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        test::Pump();
        const std::vector<std::string> all = shell.Parameters();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), runs)
            << names[0];
        EXPECT_EQ(GlobalSize(drop), 0u) << "the drop handle is released";
        EXPECT_TRUE(test::Terminated());
        test::ResetTermination();
    }
}

// Records ChangeWindowMessageFilterEx: Wine has no integrity levels, so only
// the calls can show that an elevated window lets Explorer's drop in.
struct FilterCall {
    HWND window;
    UINT message;
    DWORD action;
    void* status;
    bool operator==(const FilterCall&) const = default;
};
std::vector<FilterCall> filterCalls;
BOOL WINAPI RecordFilterCall(HWND window, UINT message, DWORD action, void* status) {
    filterCalls.push_back({window, message, action, status});
    return TRUE;
}

TEST_F(MainFormTest, ElevatedWindowLetsInTheDropMessagesAndNothingMore) {
    form = std::make_unique<TMainForm>();
    test::Access::SetCommandLine(*form, "kelvaro.exe");
    test::Access::SetMessageFilter(*form, &RecordFilterCall);
    filterCalls.clear();
    form->Create();
    HWND main = form->Handle();
    const DWORD allow = 1;  // MSGFLT_ALLOW
    EXPECT_EQ(filterCalls, (std::vector<FilterCall>{{main, WM_DROPFILES, allow, nullptr},
                                                     {main, WM_COPYDATA, allow, nullptr},
                                                     {main, 0x0049, allow, nullptr}}));
}

struct OpenDialogVisit {
    std::string folderShown;
    std::string fieldShown;
    RECT placement;
    std::string typed;  // empty: cancel
};

void AnswerOpenDialog(HWND dialog, void* context) {
    auto* visit = static_cast<OpenDialogVisit*>(context);
    visit->folderShown = test::FolderShown(dialog);
    visit->fieldShown = test::FileNameField(dialog);
    GetWindowRect(dialog, &visit->placement);
    if (visit->typed.empty()) {
        // Made larger before it is cancelled: its next use opens at that size.
        SetWindowPos(dialog, nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
        test::PressButton(dialog, IDCANCEL);
        return;
    }
    test::SetFileNameField(dialog, visit->typed);
    test::PressButton(dialog, IDOK);
}

TEST_F(RunActionsTest, OpenDialogRunsTheChosenFileAndRemembersIt) {
    CreateWithScripts("Close=0\r\n");
    test::TempFolder changed;  // the load folder the settings dialog stored meanwhile
    WriteSettings("[DIR]\r\nLoadFolder=" + changed.Path() + "\r\n");
    LoadSettings();
    OpenDialogVisit first{"", "", {}, folder / "a.nsh"};
    {
        test::DialogDriver driver(&AnswerOpenDialog, &first);
        ClickToolButton(launcher::kToolBtnOpen);
        ASSERT_TRUE(driver.Done());
    }
    EXPECT_EQ(first.folderShown, changed.Path()) << "it starts in the load folder";
    EXPECT_EQ(first.fieldShown, "");
    EXPECT_EQ(shell.Parameters(), std::vector<std::string>{RunOf(folder / "a.nsh")});
    // Centred across the active window's screen, a third of the way down: how
    // far from there the dialog is.
    const auto offPlace = [](const RECT& r, const core::Bounds& screen) {
        return std::vector<LONG>{r.left - screen.left - (screen.width - (r.right - r.left)) / 2,
                                 r.top - screen.top - (screen.height - (r.bottom - r.top)) / 3};
    };
    const std::vector<LONG> inPlace{0, 0};
    EXPECT_EQ(offPlace(first.placement, {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}), inPlace);

    OpenDialogVisit cancelled{"", "", {}, ""};
    {
        test::DialogDriver driver(&AnswerOpenDialog, &cancelled);
        ClickToolButton(launcher::kToolBtnOpen);
        ASSERT_TRUE(driver.Done());
    }
    EXPECT_NE(cancelled.fieldShown.find("a.nsh"), std::string::npos) << cancelled.fieldShown;
    EXPECT_EQ(shell.Calls().size(), 1u) << "a cancelled dialog runs nothing";

    // Made on the laptop for a window on the 96-dpi screen: placed there, with
    // the size it has when it shows (scaled on arrival, then its last size).
    test::SimulatedScreens screens(test::kDockedLaptop, 96);
    SetWindowPos(form->Handle(), nullptr, 1100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    OpenDialogVisit elsewhere{"", "", {}, ""};
    {
        test::DialogDriver driver(&AnswerOpenDialog, &elsewhere);
        ClickToolButton(launcher::kToolBtnOpen);
        ASSERT_TRUE(driver.Done());
    }
    EXPECT_EQ(offPlace(elsewhere.placement, test::kDockedLaptop[1].monitor.area), inPlace);
}

TEST_F(RunActionsTest, NameThatCmdWouldRewriteIsRefusedNotRunAndTheCloseFollows) {
    // cmd.exe would put its current folder in the first, and expands a
    // variable set to empty text as well.
    const std::string refused[] = {"%CD%.nsh", "%KELVARO_EMPTY%.nsh"};
    SetEnvironmentVariableA("KELVARO_EMPTY", "");
    for (const std::string& name : refused) test::WriteText(folder / name, "");
    test::WriteText(folder / "%unset%.nsh", "");
    CreateWithScripts("Close=1\r\n");
    test::MessageBoxes boxes;
    for (const std::string& name : refused) {
        Select(IndexOf(name));
        PostMessageA(List().Handle(), WM_KEYDOWN, VK_RETURN, 1);
        test::Pump();
        EXPECT_TRUE(shell.Calls().empty());
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ(boxes.Shown().back().caption, "kelvaro");
        const std::string reason = folder / name + " は実行できません。";
        EXPECT_EQ(boxes.Shown().back().text.substr(0, reason.size()), reason);
        EXPECT_TRUE(test::Terminated()) << "once the box is dismissed, the run's close follows";
        test::ResetTermination();
    }
    EXPECT_EQ(boxes.Shown().size(), 2u);
    SetEnvironmentVariableA("KELVARO_EMPTY", nullptr);

    Select(IndexOf("%unset%.nsh"));  // names no variable: runs as it is
    PostMessageA(List().Handle(), WM_KEYDOWN, VK_RETURN, 1);
    test::Pump();
    EXPECT_EQ(shell.Parameters(), std::vector<std::string>{RunOf(folder / "%unset%.nsh")});
}

TEST(CmdDelayedExpansion, TheUsersSwitchWhereSetElseTheMachines) {
    struct Case {
        std::optional<DWORD> user;
        std::optional<DWORD> machine;
        bool on;
    };
    const Case cases[] = {{{}, {}, false}, {1, {}, true}, {{}, 1, true}, {0, 1, false}, {1, 0, true}};
    for (const Case& c : cases) {
        try {
            test_registry::Value user(HKEY_CURRENT_USER, test_registry::kCommandProcessor,
                                      test_registry::kDelayedExpansion, c.user);
            test_registry::Value machine(HKEY_LOCAL_MACHINE, test_registry::kCommandProcessor,
                                         test_registry::kDelayedExpansion, c.machine);
            EXPECT_EQ(launcher::CmdDelayedExpansion(), c.on)
                << "user " << c.user.value_or(99) << ", machine " << c.machine.value_or(99);
        } catch (const std::runtime_error& refused) {
            GTEST_SKIP() << refused.what() << ": the machine's value needs an administrator";
        }
    }
}

}  // namespace
