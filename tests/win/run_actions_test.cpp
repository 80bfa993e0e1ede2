// The window's routes to the launcher (the list's keys and clicks, the open
// dialog, dropped files) and what the launcher asks of Windows itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <optional>
#include <stdexcept>
#include <utility>

#include "launcher/windows_system.h"
#include "tests/common/registry.h"
#include "tests/win/main_form_fixture.h"
#include "tests/win/simulated_screens.h"
#include "ui/code_page.h"
#include "ui/system_api.h"

namespace {

class RunActionsTest : public MainFormTest {
 protected:
    TMainForm& CreateWithScripts(const std::string& checkboxes = "") {
        test::WriteText(folder / "a.nsh", "");
        test::WriteText(folder / "b c.nsh", "");
        WriteSettings("[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n[CHECKBOX]\r\n" + checkboxes);
        TMainForm& main = Create();
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

};

// A drop handle as the shell makes one, holding these names (wide, as
// Explorer's are).
HDROP MakeDrop(const std::vector<std::wstring>& names) {
    std::size_t size = sizeof(DROPFILES) + sizeof(wchar_t);
    for (const std::wstring& name : names) size += (name.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* next = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& name : names) {
        std::memcpy(next, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
        next += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(RunActionsTest, EnterOutsideTheListAndWithoutSelectionRunsNothing) {
    TMainForm& main = CreateWithScripts();
    PostMessageA(List().Handle(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(main.Handle(), WM_CHAR, 13, 1);
    test::Pump();
    EXPECT_TRUE(system.log.empty());
}

// Enter, a double-click and the run button: run_scripts_test.cpp, end to end.
TEST_F(RunActionsTest, CloseAfterRunEndsTheProgramForAnyNonEmptyList) {
    CreateWithScripts("Close=1\r\nDos=0\r\n");
    EXPECT_FALSE(State().ShowPrompt) << "the launcher hides the console";
    ClickToolButton(launcher::kToolBtnExec);  // nothing selected
    EXPECT_TRUE(system.log.empty());
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
    EXPECT_EQ(system.log.size(), 1u);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_TRUE(test::Terminated()) << "a settings file that cannot be written keeps nobody in";
}

// Only the first dropped name reaches the launcher, whole however long; the
// drop handle is released before the close that follows.
TEST_F(RunActionsTest, DropHandsOnTheFirstNameWholeAndReleasesTheHandle) {
    // Over 255 characters in all: a fixed 256-byte buffer would cut it.
    std::string deep = folder.Path();
    for (char part : std::string("ab")) {
        deep += "\\" + std::string(100, part);
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    }
    const std::string longName = deep + "\\" + std::string(253 - deep.size(), 's') + ".nsh";
    test::WriteText(longName, "");
    test::WriteText(longName.substr(0, 254), "");  // what a cut name would find
    TMainForm& main = CreateWithScripts("Close=1\r\n");
    system.files.insert(longName);
    HDROP drop = MakeDrop({ui::ToWide(longName), ui::ToWide(folder / "a.nsh")});
    PostMessageA(main.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    test::Pump();
    EXPECT_EQ(system.log, std::vector<std::string>{test::RunLogged(longName)});
    EXPECT_EQ(GlobalSize(drop), 0u) << "the drop handle is released";
    EXPECT_TRUE(test::Terminated());
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
    ui::api::MessageFilter* const system = std::exchange(ui::api::changeWindowMessageFilterEx, &RecordFilterCall);
    filterCalls.clear();
    Create();
    ui::api::changeWindowMessageFilterEx = system;
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
    EXPECT_EQ(system.log, std::vector<std::string>{test::RunLogged(folder / "a.nsh")});
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
    EXPECT_EQ(system.log.size(), 1u) << "a cancelled dialog runs nothing";

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

// What only Windows answers (long names, variables set to nothing and how a
// program ends are judged end to end): how a program starts, the overwrite
// question.
TEST_F(MainFormTest, WindowsSystemStartsAsTheWindowsChildAndAsksBeforeReplacing) {
    const TMainForm& owner = Create();
    launcher::WindowsSystem system(&owner);
    test::ShellCalls shell;
    test::Access::SetShellExecute(system, &test::ShellCalls::ExecuteEx);
    std::vector<std::optional<unsigned long>> ended;
    system.Start("C:\\w\\cmd.exe", "/D /c x", false, [&](std::optional<unsigned long> code) { ended.push_back(code); });
    ASSERT_EQ(shell.Calls().size(), 1u);
    const test::ShellCall& call = shell.Calls()[0];
    EXPECT_EQ(call.owner, owner.Handle());
    EXPECT_FALSE(call.hasVerb || call.hasDirectory) << "the default verb, in our folder";
    EXPECT_EQ(call.file, "C:\\w\\cmd.exe");
    EXPECT_EQ(call.parameters, "/D /c x");
    EXPECT_EQ(call.show, SW_HIDE);
    EXPECT_EQ(ended, (std::vector<std::optional<unsigned long>>{std::nullopt})) << "no process: it never started";

    test::MessageBoxes boxes(IDCANCEL);
    EXPECT_FALSE(system.ConfirmOverwrite());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "上書きしますがよろしいですか？");
    EXPECT_EQ(boxes.Shown()[0].caption, "設定ファイルの保存");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION));
}

// Names with characters that code page 932 lacks: Windows' "A" functions
// would make "café" into "cafe", "¥" into "\" and "〜" into "?", a pattern.
TEST(CodePage, OnlyNamesTheCodePageHoldsAreExact) {
    const std::pair<std::wstring, core::CodePagePath> names[] = {
        {L"caf\u00e9.nsh", {"caf?.nsh", false}},
        {L"a\u00a5b.nsh", {"a?b.nsh", false}},
        {L"\u30b5\u30fc\u30d0\u301c.nsh", {"\x83\x54\x81\x5b\x83\x6f?.nsh", false}},
        {L"\u8868\u30bd \uff2d\uff33.nsh", {"\x95\x5c\x83\x5c \x82\x6c\x82\x72.nsh", true}},
    };
    for (const auto& [wide, narrow] : names) EXPECT_EQ(ui::ToCodePage(wide), narrow) << narrow.text;
}

// Listed, dropped, chosen or named on the command line, such a name is
// refused, and the file its look-alike names never runs.
TEST_F(RunActionsTest, NamesTheCodePageLacksAreRefusedOnEveryRoute) {
    const std::wstring cafe = ui::ToWide(folder.Path()) + L"\\caf\u00e9.nsh";
    CloseHandle(CreateFileW(cafe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    test::WriteText(folder / "cafe.nsh", "");
    system.files = {folder / "cafe.nsh", folder / "caf?.nsh"};
    TMainForm& main = CreateWithScripts();
    Select(IndexOf("caf?.nsh"));
    PostMessageA(List().Handle(), WM_KEYDOWN, VK_RETURN, 1);
    test::Pump();
    PostMessageA(main.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({cafe})), 0);
    test::Pump();
    std::wstring typed = cafe;
    test::DialogDriver driver([](HWND dialog, void* name) {
        test::SetFileNameField(dialog, *static_cast<std::wstring*>(name));
        test::PressButton(dialog, IDOK);
    }, &typed);
    ClickToolButton(launcher::kToolBtnOpen);
    ASSERT_TRUE(driver.Done());
    test::Access::SetCommandLine(main, L"k \"" + cafe + L"\"");
    test::Access::FormShow(main);
    const std::string refused = "error " + folder / "caf?.nsh" + " は実行できません。名前にシステムの文字コードにない";
    ASSERT_EQ(system.log.size(), 4u);
    for (const std::string& entry : system.log) EXPECT_EQ(entry.substr(0, refused.size()), refused);
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
            EXPECT_EQ(launcher::WindowsSystem(nullptr).CmdDelayedExpansion(), c.on)
                << "user " << c.user.value_or(99) << ", machine " << c.machine.value_or(99);
        } catch (const std::runtime_error& refused) {
            GTEST_SKIP() << refused.what() << ": the machine's value needs an administrator";
        }
    }
}

}  // namespace
