// The real program on a 144-dpi screen: its layout scaled by 1.5, and the
// settings file still in screen pixels. Runs in a Wine prefix set to 144 dpi
// (the CTest test e2e_144dpi, which sets KELVARO_DPI); elsewhere it is skipped.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"

namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

TEST(HighDensity, StartsScaledAndStoresScreenPixels) {
    const char* density = std::getenv("KELVARO_DPI");
    if (!density || std::string(density) != "144") GTEST_SKIP() << "runs in the 144-dpi prefix";
    ASSERT_EQ(ScreenDpi(), 144);
    e2e::Installation installation;
    e2e::WriteText(installation / "home.nsh", "");
    e2e::Process kelvaro(installation);
    HWND window = kelvaro.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(e2e::ScreenBounds(window), (std::vector<LONG>{0, 0, 270, 150})) << "180 x 100 at the corner";
    HWND bar = FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr);
    HWND list = FindWindowExA(window, nullptr, "LISTBOX", nullptr);
    EXPECT_EQ(e2e::ScreenBounds(bar)[3], 44) << "29 high";
    EXPECT_EQ(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0), MAKELONG(35, 33)) << "23 x 22 buttons";
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 18) << "12-pixel items";
    EXPECT_EQ(e2e::ListCount(list), 1);

    e2e::PressKey(list, VK_ESCAPE);
    ASSERT_TRUE(kelvaro.WaitForExit());
    EXPECT_EQ(e2e::ReadText(installation / "kelvaro.ini"),
              "[FORM]\r\nLeft=0\r\nTop=0\r\nWidth=270\r\nHeight=150\r\n");
}

}  // namespace
