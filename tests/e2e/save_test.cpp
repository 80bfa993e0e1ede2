// Saving the current configuration with the real program: netsh's dump takes
// the name the user chose only once it has worked.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"

namespace {

constexpr int kSaveButtonX = 23 + 11;
constexpr int kButtonY = 2 + 11;

class SaveTest : public testing::Test {
 protected:
    // Saves as `name` through the dialog, answering OK to the overwrite question if one comes.
    void Save(const std::string& name, bool exists) {
        e2e::ClickToolBar(toolBar, kSaveButtonX, kButtonY);
        HWND dialog = kelvaro.Dialog();
        ASSERT_NE(dialog, nullptr);
        e2e::ConfirmFileDialog(dialog, installation / name);
        for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(20);
        if (exists) AnswerNextBox();
    }
    // Presses OK in the next dialog box to show, and waits until it has gone.
    void AnswerNextBox() {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i, Sleep(20)) box = kelvaro.Dialog(0);
        ASSERT_NE(box, nullptr);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(20);
    }
    bool Listed(const wchar_t* name) {
        return SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)) >= 0;
    }

    e2e::Installation installation;
    bool netsh = (e2e::InstallRecordingNetsh(installation), true);
    e2e::Process kelvaro{installation};
    HWND window = kelvaro.MainWindow();
    HWND toolBar = FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr);
    HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
};

TEST_F(SaveTest, TheDumpTakesTheNameOnlyOnceNetshHasEndedWell) {
    ASSERT_NE(window, nullptr);
    const std::string dumped = "ARGS=[-c interface dump ]\r\n";  // what the recording netsh writes
    Save("home", false);
    ASSERT_TRUE(e2e::WaitForFile(installation / "home.nsh"));
    EXPECT_EQ(e2e::ReadText(installation / "home.nsh"), dumped) << "cmd.exe keeps the blank before the redirection";
    for (int i = 0; i < 100 && !Listed(L"home.nsh"); ++i) Sleep(50);
    EXPECT_TRUE(Listed(L"home.nsh")) << "the list shows the new profile";

    // A netsh that fails (not elevated, say) leaves the profile as it was.
    e2e::WriteText(installation / "home.nsh", "old content");
    e2e::WriteText(installation / "netsh.exit", "1");
    Save("home", true);
    AnswerNextBox();  // the error box
    ASSERT_EQ(e2e::WaitForNetshLog(installation, 2).size(), 2u);
    EXPECT_EQ(e2e::ReadText(installation / "home.nsh"), "old content");
    DeleteFileA((installation / "netsh.exit").c_str());
    Save("home", true);
    for (int i = 0; i < 100 && e2e::ReadText(installation / "home.nsh") != dumped; ++i) Sleep(50);
    EXPECT_EQ(e2e::ReadText(installation / "home.nsh"), dumped) << "replaced by the dump that worked";
    WIN32_FIND_DATAA left;
    EXPECT_EQ(FindFirstFileA((installation / "*.tmp").c_str(), &left), INVALID_HANDLE_VALUE) << left.cFileName;
}

}  // namespace
