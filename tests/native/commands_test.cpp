#include "launcher/commands.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST(Commands, PathsAreQuotedUnchanged) {
    EXPECT_EQ(RunScriptParameters("C:\\nsh\\home.nsh"), "/c netsh -f \"C:\\nsh\\home.nsh\"");
    EXPECT_EQ(RunScriptParameters("C:\\my nsh\\a&b.nsh"), "/c netsh -f \"C:\\my nsh\\a&b.nsh\"");
    EXPECT_EQ(DumpParameters("C:\\nsh\\new home.nsh"), "/c netsh -c interface dump > \"C:\\nsh\\new home.nsh\"");
}

TEST(Commands, PercentSignsWouldBeRewrittenByCmd) {
    EXPECT_TRUE(ReachesNetshUnchanged("C:\\nsh\\a&b ^(1);,=!.nsh"));
    EXPECT_TRUE(ReachesNetshUnchanged("C:\\\x95\x5C\\\x83\x5C.nsh"));
    EXPECT_FALSE(ReachesNetshUnchanged("C:\\nsh\\%OS%.nsh"));
    EXPECT_FALSE(ReachesNetshUnchanged("C:\\100%\\a.nsh"));
}

TEST(Commands, ScriptExtensionOnlyWhenTheLastComponentHasNoDot) {
    EXPECT_EQ(WithScriptExtension("C:\\nsh\\home"), "C:\\nsh\\home.nsh");
    EXPECT_EQ(WithScriptExtension("C:\\nsh\\home.txt"), "C:\\nsh\\home.txt");
    EXPECT_EQ(WithScriptExtension("C:\\nsh\\home."), "C:\\nsh\\home.");
    EXPECT_EQ(WithScriptExtension("C:\\v1.2\\home"), "C:\\v1.2\\home.nsh");
    EXPECT_EQ(WithScriptExtension("C:home"), "C:home.nsh");
    // ソ (0x83 0x5C) is not a delimiter: the name is one component.
    EXPECT_EQ(WithScriptExtension("C:\\a.b\\\x83\x5C" "x"), "C:\\a.b\\\x83\x5C" "x.nsh");
}
