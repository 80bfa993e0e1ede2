#include "core/netsh_commands.h"

#include <gtest/gtest.h>

using namespace core;

// netsh by its full path; AutoRun off; the script path quoted and unchanged.
TEST(Commands, NetshByItsFullPathPathsQuotedUnchangedAndAnExclamationMarkTurnsDelayedExpansionOff) {
    struct Case {
        const char* netsh;
        const char* path;
        bool delayedExpansion;
        const char* run;
        const char* dump;
    };
    const char* const system = "C:\\Windows\\system32\\netsh.exe";
    const Case cases[] = {
        {system, "C:\\nsh\\home.nsh", false, "/D /c C:\\Windows\\system32\\netsh.exe -f \"C:\\nsh\\home.nsh\"",
         "/D /c C:\\Windows\\system32\\netsh.exe -c interface dump > \"C:\\nsh\\home.nsh\""},
        {system, "C:\\my nsh\\a&b.nsh", true, "/D /c C:\\Windows\\system32\\netsh.exe -f \"C:\\my nsh\\a&b.nsh\"",
         "/D /c C:\\Windows\\system32\\netsh.exe -c interface dump > \"C:\\my nsh\\a&b.nsh\""},
        {system, "C:\\x\\hi!x.nsh", false, "/D /c C:\\Windows\\system32\\netsh.exe -f \"C:\\x\\hi!x.nsh\"",
         "/D /c C:\\Windows\\system32\\netsh.exe -c interface dump > \"C:\\x\\hi!x.nsh\""},
        {system, "C:\\!OS!\\\x95\x5C.nsh", true, "/D /V:OFF /c C:\\Windows\\system32\\netsh.exe -f \"C:\\!OS!\\\x95\x5C.nsh\"",
         "/D /V:OFF /c C:\\Windows\\system32\\netsh.exe -c interface dump > \"C:\\!OS!\\\x95\x5C.nsh\""},
        // cmd takes the first and last quotes off a line that begins with one.
        {"D:\\Win dows\\system32\\netsh.exe", "C:\\nsh\\a b.nsh", false,
         "/D /S /c \"\"D:\\Win dows\\system32\\netsh.exe\" -f \"C:\\nsh\\a b.nsh\"\"",
         "/D /S /c \"\"D:\\Win dows\\system32\\netsh.exe\" -c interface dump > \"C:\\nsh\\a b.nsh\"\""},
        {"D:\\A&B\\netsh.exe", "C:\\x\\hi!x.nsh", true, "/D /V:OFF /S /c \"\"D:\\A&B\\netsh.exe\" -f \"C:\\x\\hi!x.nsh\"\"",
         "/D /V:OFF /S /c \"\"D:\\A&B\\netsh.exe\" -c interface dump > \"C:\\x\\hi!x.nsh\"\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunScriptParameters(c.netsh, c.path, c.delayedExpansion), c.run) << c.delayedExpansion;
        EXPECT_EQ(DumpParameters(c.netsh, c.path, c.delayedExpansion), c.dump) << c.delayedExpansion;
    }
}

TEST(Commands, OnlyVariablesThatCmdWouldExpandAreFound) {
    // OS is set, EMPTY is set to "", nothing else is. Each path, and the part
    // of it that cmd.exe would replace ("" for none).
    auto isSet = [](std::string_view name) { return name == "OS" || name == "os" || name == "EMPTY"; };
    const std::pair<const char*, std::string_view> cases[] = {
        {"C:\\nsh\\a&b ^(1);,=!.nsh", ""}, {"C:\\\x95\x5C\\\x83\x5C.nsh", ""}, {"C:\\100%.nsh", ""},
        {"C:\\100%\\50%.nsh", ""}, {"C:\\%unset%.nsh", ""}, {"a%%b.nsh", ""}, {"%:~1%.nsh", ""}, {"%%OS.nsh", ""},
        {"%CDX%.nsh", ""}, {"%=C%.nsh", ""}, {"%=CD:%.nsh", ""},
        {"C:\\nsh\\%OS%.nsh", "%OS%"}, {"%os%.nsh", "%os%"}, {"%EMPTY%a.nsh", "%EMPTY%"},
        {"v%OS:~0,3%.nsh", "%OS:~0,3%"}, {"%OS:Win=Lin%.nsh", "%OS:Win=Lin%"}, {"\x95\x5C%OS%\x83\x5C.nsh", "%OS%"},
        // cmd's own variables, whatever the environment holds
        {"%cd%.nsh", "%cd%"}, {"at %Time%.nsh", "%Time%"}, {"%RANDOM:~0,1%.nsh", "%RANDOM:~0,1%"},
        // What Windows' cmd replaces and Wine's (which the end-to-end tests
        // run) leaves alone: the closing "%" of a pair naming nothing opens
        // the next; the variables Wine's cmd does not make up.
        {"%unset%OS%.nsh", "%OS%"}, {"%__CD__%.nsh", "%__CD__%"}, {"%__AppDir__%", "%__AppDir__%"},
        {"%FIRMWARE_TYPE%.nsh", "%FIRMWARE_TYPE%"}, {"%HIGHESTNUMANODENUMBER%", "%HIGHESTNUMANODENUMBER%"},
        {"%CMDCMDLINE:~0,1%", "%CMDCMDLINE:~0,1%"}, {"%CmdExtVersion%", "%CmdExtVersion%"},
        {"%=ExitCode%", "%=ExitCode%"}, {"%=EXITCODEASCII%", "%=EXITCODEASCII%"}, {"%=C:%.nsh", "%=C:%"},
        {"%=d:%.nsh", "%=d:%"},
    };
    for (const auto& [path, part] : cases) EXPECT_EQ(CmdVariableReference(path, isSet), part) << path;
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
