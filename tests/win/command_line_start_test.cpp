// Scripts named on the command line, and their long names as found on disk.
#include <gtest/gtest.h>

#include "core/long_path.h"
#include "launcher/files.h"
#include "tests/win/main_form_fixture.h"

namespace {

class CommandLineStartTest : public MainFormTest {
 protected:
    // Shows a main window started with these arguments.
    void StartWith(const std::string& arguments) {
        form = std::make_unique<TMainForm>();
        test::Access::SetCommandLine(*form, "kelvaro.exe " + arguments);
        test::Access::SetShellExecute(*form, &test::ShellCalls::Execute);
        form->Create();
        form->Show();
    }
    std::string Expand(const std::string& path) { return core::ExpandLongPath(path, &launcher::FindLongName); }

    test::ShellCalls shell;
};

TEST_F(CommandLineStartTest, EachExistingScriptRunsInOrderThenTheProgramEnds) {
    test::WriteText(folder / "First.nsh", "");
    test::WriteText(folder / "second one.nsh", "");
    CreateDirectoryA((folder / "dir.nsh").c_str(), nullptr);
    StartWith("\"" + folder / "SECOND ONE.NSH" + "\" " + folder / "missing.nsh " + folder / "dir.nsh " +
              folder / "first.nsh");
    EXPECT_EQ(shell.Parameters(), (std::vector<std::string>{"/c netsh -f \"" + folder / "second one.nsh" + "\"",
                                                            "/c netsh -f \"" + folder / "First.nsh" + "\""}));
    EXPECT_TRUE(test::Terminated());
    EXPECT_NE(test::ReadText(test::SettingsPath()).find("[FORM]"), std::string::npos);
}

TEST_F(CommandLineStartTest, NameThatCmdWouldRewriteIsReportedAndTheOthersStillRun) {
    SetEnvironmentVariableA("KELVARO_TEST_VARIABLE", "x");
    const std::string rewritten = folder / "%KELVARO_TEST_VARIABLE%.nsh";
    for (const std::string& name : {rewritten, folder / "x.nsh", folder / "100%.nsh", folder / "%unset%.nsh"})
        test::WriteText(name, "");
    test::MessageBoxes boxes;
    StartWith(rewritten + " " + folder / "100%.nsh " + folder / "%unset%.nsh");
    SetEnvironmentVariableA("KELVARO_TEST_VARIABLE", nullptr);
    EXPECT_EQ(shell.Parameters(), (std::vector<std::string>{"/c netsh -f \"" + folder / "100%.nsh" + "\"",
                                                            "/c netsh -f \"" + folder / "%unset%.nsh" + "\""}));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].caption, "kelvaro");
    EXPECT_EQ(boxes.Shown()[0].text.rfind(rewritten + " は実行できません。「%KELVARO_TEST_VARIABLE%」", 0), 0u)
        << boxes.Shown()[0].text;
    EXPECT_TRUE(test::Terminated()) << "the program still ends";
}

TEST_F(CommandLineStartTest, EndsEvenWhenCloseAfterRunIsOffOrNothingRuns) {
    WriteSettings("[CHECKBOX]\r\nClose=0\r\n");
    StartWith(folder / "missing.nsh");
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_TRUE(test::Terminated());
}

TEST_F(CommandLineStartTest, NoArgumentsKeepsTheWindowOpen) {
    StartWith("   ");
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_FALSE(test::Terminated());
}

TEST_F(CommandLineStartTest, LongNamesComeFromTheDisk) {
    test::WriteText(folder / "Home Office.nsh", "");
    // Case restored, component by component.
    std::string upper = folder.Path();
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    EXPECT_EQ(Expand(upper + "\\HOME OFFICE.NSH"), folder / "Home Office.nsh");
    // A missing component, and what follows it, stay as given.
    EXPECT_EQ(Expand(folder / "Gone\\HOME OFFICE.NSH"), folder / "Gone\\HOME OFFICE.NSH");
    // A wildcard becomes the first match.
    EXPECT_EQ(Expand(folder / "*.nsh"), folder / "Home Office.nsh");
    EXPECT_EQ(Expand("C:"), "C:");
    EXPECT_EQ(Expand("C:\\"), "C:\\");
}

TEST_F(CommandLineStartTest, FolderEndingInABackslashValuedByteIsFollowed) {
    const std::string japanese = folder / "\x95\x5C";  // 表
    ASSERT_TRUE(CreateDirectoryA(japanese.c_str(), nullptr));
    test::WriteText(japanese + "\\Script.nsh", "");
    EXPECT_EQ(Expand(japanese + "\\script.NSH"), japanese + "\\Script.nsh");
}

TEST_F(CommandLineStartTest, RelativeNameIsLookedUpInTheCurrentFolder) {
    test::WriteText(folder / "Relative.nsh", "");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.Path().c_str());
    std::string expanded = Expand("relative.nsh");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(expanded, "Relative.nsh");
}

}  // namespace
