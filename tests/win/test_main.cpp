// The in-process Windows tests run the real windows in this process, with the
// program's code page rules and common controls, as the program itself does.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/application.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    ui::Application::Instance().SetTitle("kelvaro");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
