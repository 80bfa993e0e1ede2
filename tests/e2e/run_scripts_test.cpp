// Scripts run by the real program reach netsh exactly as chosen: a recording
// netsh.exe in the system's place logs what cmd.exe hands it.
#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "tests/common/registry.h"
#include "tests/e2e/e2e_support.h"

namespace {

// 表ソ.nsh: both characters have 0x5C as their second byte.
const std::string kJapanese = "\x95\x5C\x83\x5C.nsh";

// The tool buttons' centres at 96 dpi.
constexpr int kOpenButtonX = 0 + 11;
constexpr int kSaveButtonX = 23 + 11;
constexpr int kRunButtonX = 54 + 11;
constexpr int kButtonY = 2 + 11;

class RunScriptsTest : public testing::Test {
 protected:
    void SetUp() override {
        for (const std::string& name : {std::string("a.nsh"), std::string("b c.nsh"), kJapanese})
            e2e::WriteText(installation / name, "");
        e2e::InstallRecordingNetsh(installation);
    }

    std::string Logged(const std::string& path) { return "ARGS=[-f \"" + path + "\"]"; }

    // Selects the entry of that name in the running program's list.
    void Select(HWND list, const std::string& name) {
        std::wstring wide(name.size() + 1, L'\0');
        int length = MultiByteToWideChar(932, 0, name.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        wide.resize(length > 0 ? length - 1 : 0);
        LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(wide.c_str()));
        ASSERT_GE(index, 0) << name;
        SendMessageW(list, LB_SETCURSEL, index, 0);
    }

    // Runs the script `name` from the list, the open dialog, a drop and the
    // command line, and saves the configuration as `dump`: five netsh calls.
    void RunOnEveryRouteAndSave(const std::string& name, const std::string& dump) {
        const std::string script = installation / name;
        auto called = [&](std::size_t times) { return e2e::WaitForNetshLog(installation, times).size() == times; };
        {
            e2e::Process kelvaro(installation);
            HWND window = kelvaro.MainWindow();
            ASSERT_NE(window, nullptr);
            HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
            HWND toolBar = FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr);
            Select(list, name);
            e2e::PressKey(list, VK_RETURN);
            ASSERT_TRUE(called(1));
            e2e::ClickToolBar(toolBar, kOpenButtonX, kButtonY);
            HWND dialog = kelvaro.Dialog();
            ASSERT_NE(dialog, nullptr);
            e2e::ConfirmFileDialog(dialog, script);
            ASSERT_TRUE(called(2));
            e2e::DropFile(window, script);
            ASSERT_TRUE(called(3));
            e2e::ClickToolBar(toolBar, kSaveButtonX, kButtonY);
            dialog = kelvaro.Dialog();
            ASSERT_NE(dialog, nullptr);
            e2e::ConfirmFileDialog(dialog, dump);
            ASSERT_TRUE(called(4));
            e2e::PressKey(list, VK_ESCAPE);
            ASSERT_TRUE(kelvaro.WaitForExit());
        }
        e2e::Process kelvaro(installation, "\"" + script + "\"");
        ASSERT_TRUE(kelvaro.WaitForExit());
    }

    e2e::Installation installation;
};

TEST_F(RunScriptsTest, EnterDoubleClickAndRunButtonLogTheSelectedPath) {
    e2e::Process kelvaro(installation);
    HWND window = kelvaro.MainWindow();
    ASSERT_NE(window, nullptr);
    HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
    HWND toolBar = FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr);

    Select(list, "a.nsh");
    e2e::PressKey(list, VK_RETURN);
    ASSERT_EQ(e2e::WaitForNetshLog(installation, 1).size(), 1u);

    Select(list, "b c.nsh");
    LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0) - SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    int top = static_cast<int>(row * SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, top + 3));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, top + 3));
    ASSERT_EQ(e2e::WaitForNetshLog(installation, 2).size(), 2u);

    Select(list, kJapanese);
    e2e::ClickToolBar(toolBar, kRunButtonX, kButtonY);
    EXPECT_EQ(e2e::WaitForNetshLog(installation, 3),
              (std::vector<std::string>{Logged(installation / "a.nsh"), Logged(installation / "b c.nsh"),
                                        Logged(installation / kJapanese)}));
    EXPECT_TRUE(IsWindow(window)) << "Close is off: the program stays";
}

TEST_F(RunScriptsTest, CloseAfterRunEndsTheProgramAfterTheRun) {
    e2e::WriteText(installation / "kelvaro.ini", "[CHECKBOX]\r\nClose=1\r\n");
    e2e::Process kelvaro(installation);
    HWND window = kelvaro.MainWindow();
    ASSERT_NE(window, nullptr);
    HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
    Select(list, "b c.nsh");
    e2e::PressKey(list, VK_RETURN);
    ASSERT_TRUE(kelvaro.WaitForExit());
    EXPECT_EQ(e2e::WaitForNetshLog(installation, 1), std::vector<std::string>{Logged(installation / "b c.nsh")});
    EXPECT_NE(e2e::ReadText(installation / "kelvaro.ini").find("[FORM]"), std::string::npos);
}

// Every route starts the system's netsh by its full path, with cmd's AutoRun
// off: a netsh.bat among the scripts, where kelvaro and cmd.exe start, never
// runs in its place. With delayed expansion switched on in the registry,
// cmd.exe reads "!" even between quotes (hi!x.nsh would reach netsh as
// hix.nsh): every route then starts it with /V:OFF. Wine's cmd ignores the
// registry's switch, so what cmd was given shows the difference here; netsh
// gets the names either way.
TEST_F(RunScriptsTest, EveryRouteRunsTheSystemsNetshAndAnExclamationMarkReachesItWhateverCmdsDelayedExpansion) {
    const std::string script = installation / "hi!x.nsh";
    const std::string dump = installation / "dump!x.nsh";
    e2e::WriteText(script, "");
    e2e::WriteText(installation / "netsh.bat", "@echo planted>> \"%~dp0planted.log\"\r\n");
    char system[MAX_PATH];
    const std::string netsh = std::string(system, GetSystemDirectoryA(system, MAX_PATH)) + "\\netsh.exe";
    const std::pair<std::optional<DWORD>, std::string> settings[] = {{std::nullopt, ""}, {1, "/V:OFF "}};
    for (const auto& [value, switches] : settings) {
        SCOPED_TRACE(switches);
        test_registry::Value delayedExpansion(HKEY_CURRENT_USER, test_registry::kCommandProcessor,
                                              test_registry::kDelayedExpansion, value);
        for (const std::string& old : {installation / "netsh.log", installation / "parent.log", dump})
            DeleteFileA(old.c_str());
        RunOnEveryRouteAndSave("hi!x.nsh", dump);
        EXPECT_EQ(e2e::WaitForNetshLog(installation, 5),
                  (std::vector<std::string>{"ARGS=[-c interface dump ]", Logged(script), Logged(script),
                                            Logged(script), Logged(script)}));
        // The dump goes to a file of its own beside the target, without "!".
        const std::string dumped = "/D /c " + netsh + " -c interface dump > \"" + installation / "kvr";
        const std::string run = "/D " + switches + "/c " + netsh + " -f \"" + script + "\"";
        std::vector<std::string> runs;
        for (const std::string& cmd : e2e::CmdParameters(installation))
            if (!cmd.starts_with(dumped)) runs.push_back(cmd);
        EXPECT_EQ(runs, std::vector<std::string>(4, run));
        EXPECT_TRUE(e2e::WaitForFile(dump)) << "the dump took the name chosen, though the program was closed meanwhile";
        EXPECT_FALSE(e2e::WaitForFile(installation / "planted.log", 0)) << "the planted netsh.bat ran";
    }
}

TEST_F(RunScriptsTest, CommandLineRunsEachExistingScriptThenEnds) {
    CreateDirectoryA((installation / "folder.nsh").c_str(), nullptr);
    // Upper case as typed (the run uses the names as stored on disk), among an
    // empty pair of quotes, a network path, a folder and 45 missing names.
    std::string arguments = "\"\" \"" + installation / "A.NSH" + "\" \\\\server\\share\\x.nsh folder.nsh ";
    for (int i = 0; i < 45; ++i) arguments += "missing" + std::to_string(i) + ".nsh ";
    e2e::Process kelvaro(installation, arguments + "\"" + installation / "b c.nsh" + "\"");
    DWORD exitCode = 99;
    ASSERT_TRUE(kelvaro.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    // The two consoles may finish in either order (the log is sorted); the
    // order of the starts is checked in process.
    EXPECT_EQ(e2e::WaitForNetshLog(installation, 2),
              (std::vector<std::string>{Logged(installation / "a.nsh"), Logged(installation / "b c.nsh")}));
    EXPECT_NE(e2e::ReadText(installation / "kelvaro.ini").find("[FORM]"), std::string::npos);
}

TEST_F(RunScriptsTest, NothingToRunStillEndsTheProgramAndStartsNothing) {
    CreateDirectoryA((installation / "folder.nsh").c_str(), nullptr);
    {  // the run button with nothing selected, Close on
        e2e::WriteText(installation / "kelvaro.ini", "[CHECKBOX]\r\nClose=1\r\n");
        e2e::Process kelvaro(installation);
        HWND window = kelvaro.MainWindow();
        ASSERT_NE(window, nullptr);
        e2e::ClickToolBar(FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr), kRunButtonX, kButtonY);
        ASSERT_TRUE(kelvaro.WaitForExit());
    }
    {  // arguments that name no file
        e2e::Process kelvaro(installation, "missing.nsh folder.nsh");
        ASSERT_TRUE(kelvaro.WaitForExit());
    }
    // A run started after both, of a file no list shows: a run they started
    // would have logged by the time it has.
    e2e::WriteText(installation / "later.txt", "");
    e2e::Process later(installation, "\"" + installation / "later.txt" + "\"");
    ASSERT_TRUE(later.WaitForExit());
    EXPECT_EQ(e2e::WaitForNetshLog(installation, 1), std::vector<std::string>{Logged(installation / "later.txt")});
}

}  // namespace
