// Scripts named on the command line, and their long names as found on disk.
#include <gtest/gtest.h>

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

    test::ShellCalls shell;
};

// Long names come from the disk (the case as stored); missing files and
// folders are skipped; the program ends, Close or not.
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

TEST_F(CommandLineStartTest, NoArgumentsKeepsTheWindowOpen) {
    StartWith("   ");
    EXPECT_TRUE(shell.Calls().empty());
    EXPECT_FALSE(test::Terminated());
}

}  // namespace
