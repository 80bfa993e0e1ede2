// Scripts named on the command line, and their long names as found on disk.
#include <gtest/gtest.h>

#include "tests/win/main_form_fixture.h"

namespace {

class CommandLineStartTest : public MainFormTest {
 protected:
    // Shows a main window started with these arguments.
    void StartWith(const std::string& arguments) {
        form = std::make_unique<TMainForm>();
        test::Access::SetMainForm(form.get());
        test::Access::SetCommandLine(*form, "kelvaro.exe " + arguments);
        test::Access::SetShellExecute(*form, &test::ShellCalls::Execute);
        form->Create();
        form->Show();
    }

    test::ShellCalls shell;
};

// Long names come from the disk (the case as stored); missing files and
// folders are skipped; the program ends and stores its bounds.
TEST_F(CommandLineStartTest, EachExistingScriptRunsInOrderThenTheProgramEnds) {
    test::WriteText(folder / "First.nsh", "");
    test::WriteText(folder / "second one.nsh", "");
    CreateDirectoryA((folder / "dir.nsh").c_str(), nullptr);
    StartWith("\"" + folder / "SECOND ONE.NSH" + "\" " + folder / "missing.nsh " + folder / "dir.nsh " +
              folder / "first.nsh");
    EXPECT_EQ(shell.Parameters(),
              (std::vector<std::string>{test::RunOf(folder / "second one.nsh"), test::RunOf(folder / "First.nsh")}));
    EXPECT_TRUE(test::Terminated());
    EXPECT_NE(test::ReadText(test::SettingsPath()).find("[FORM]"), std::string::npos);
}

}  // namespace
