// The real program, started as a user starts it and closed with Esc.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"

namespace {

TEST(StartAndClose, FirstStartListsScriptsAndEscStoresTheBounds) {
    e2e::Installation installation;
    e2e::WriteText(installation / "home.nsh", "");
    e2e::WriteText(installation / "office.nsh", "");
    e2e::WriteText(installation / "notes.txt", "");
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
}

}  // namespace
