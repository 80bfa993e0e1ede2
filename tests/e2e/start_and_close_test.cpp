// The real program, started as a user starts it and closed with Esc.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/common/registry.h"
#include "tests/e2e/e2e_support.h"

namespace {

// A comctl32.dll beside the exe (not one of Windows' known DLLs) never loads:
// here Wine is told to prefer it, as Windows prefers the exe's folder.
TEST(StartAndClose, FirstStartListsScriptsAndEscStoresTheBoundsAndAPlantedDllNeverLoads) {
    e2e::Installation installation;
    e2e::WriteText(installation / "home.nsh", "");
    e2e::WriteText(installation / "office.nsh", "");
    e2e::WriteText(installation / "notes.txt", "");
    ASSERT_TRUE(CopyFileA((test_files::ExeFolder() + "comctl32.dll").c_str(), (installation / "comctl32.dll").c_str(),
                          FALSE));
    test_registry::Value preferred(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\kelvaro.exe\\DllOverrides",
                                   "comctl32", std::optional<std::string>("native,builtin"));
    e2e::Process kelvaro(installation);

    HWND window = kelvaro.MainWindow();
    ASSERT_NE(window, nullptr);
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "kelvaro");
    EXPECT_EQ(e2e::ScreenBounds(window), (std::vector<LONG>{0, 0, 180, 100}));
    HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(e2e::ListCount(list), 2);
    EXPECT_EQ(kelvaro.Focus(), list);

    PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 1);
    DWORD exitCode = 99;
    ASSERT_TRUE(kelvaro.WaitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(e2e::ReadText(installation / "kelvaro.ini"),
              "[FORM]\r\nLeft=0\r\nTop=0\r\nWidth=180\r\nHeight=100\r\n");
    EXPECT_FALSE(e2e::WaitForFile(installation / "planted.log", 0)) << "the planted comctl32.dll was loaded";
}

}  // namespace
