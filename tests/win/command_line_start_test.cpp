// Scripts named on the command line: the window shows, runs them one after
// the other, and ends once the last has ended.
#include <gtest/gtest.h>

#include "tests/win/main_form_fixture.h"

namespace {

TEST_F(MainFormTest, CommandLineRunsItsScriptsInTurnThenTheProgramEnds) {
    system.files = {"C:\\a.nsh", "C:\\b c.nsh"};
    Create(L"kelvaro.exe C:\\a.nsh \"C:\\b c.nsh\"").Show();
    EXPECT_EQ(system.log, std::vector<std::string>{test::RunLogged("C:\\a.nsh")});
    system.EndOldest(0);
    EXPECT_EQ(system.log.back(), test::RunLogged("C:\\b c.nsh"));
    EXPECT_FALSE(test::Terminated()) << "the last one still runs";
    system.EndOldest(0);
    test::Pump();
    EXPECT_TRUE(test::Terminated());
    EXPECT_NE(test::ReadText(test::SettingsPath()).find("[FORM]"), std::string::npos);
}

}  // namespace
