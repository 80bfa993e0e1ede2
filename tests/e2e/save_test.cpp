// Saving the current configuration with the real program: the interpreter's
// redirection creates the file that the user named.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"

namespace {

constexpr int kSaveButtonX = 23 + 11;
constexpr int kButtonY = 2 + 11;

TEST(Save, DumpCreatesTheNamedScriptAndAnExistingOneIsReplacedAfterOk) {
    e2e::Installation installation;
    e2e::InstallRecordingNetsh(installation);
    e2e::Process kelvaro(installation);
    HWND window = kelvaro.MainWindow();
    ASSERT_NE(window, nullptr);
    HWND toolBar = FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr);
    HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);

    e2e::ClickToolBar(toolBar, kSaveButtonX, kButtonY);
    HWND dialog = kelvaro.Dialog();
    ASSERT_NE(dialog, nullptr);
    e2e::ConfirmFileDialog(dialog, installation / "home");
    ASSERT_TRUE(e2e::WaitForFile(installation / "home.nsh")) << "the redirection creates home.nsh";
    EXPECT_EQ(e2e::WaitForNetshLog(installation, 1), std::vector<std::string>{"ARGS=[-c interface dump ]"})
        << "cmd.exe keeps the blank before the redirection";

    e2e::WriteText(installation / "home.nsh", "old content");
    e2e::ClickToolBar(toolBar, kSaveButtonX, kButtonY);
    dialog = kelvaro.Dialog();
    ASSERT_NE(dialog, nullptr);
    e2e::ConfirmFileDialog(dialog, installation / "home");
    HWND question = nullptr;
    for (int i = 0; i < 200 && (!question || question == dialog); ++i, Sleep(20)) question = kelvaro.Dialog(0);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_EQ(e2e::WaitForNetshLog(installation, 2).size(), 2u);
    for (int i = 0; i < 100 && !e2e::ReadText(installation / "home.nsh").empty(); ++i) Sleep(50);
    EXPECT_EQ(e2e::ReadText(installation / "home.nsh"), "") << "replaced by the dump";
    // The refresh after the second save found the file the first one made.
    EXPECT_GE(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"home.nsh")), 0);
}

}  // namespace
