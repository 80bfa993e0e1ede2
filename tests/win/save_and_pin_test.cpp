// Saving the current configuration, and the always-on-top pin.
#include <gtest/gtest.h>

#include "dialogs/settings_dialog.h"
#include "resources/texts.h"
#include "tests/win/main_form_fixture.h"

namespace {

class SaveTest : public MainFormTest {
 protected:
    TMainForm& CreateIn(const std::string& checkboxes = "") {
        WriteSettings("[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n[CHECKBOX]\r\n" + checkboxes);
        TMainForm& main = Create();
        main.SetShellExecute(&test::ShellCalls::Execute);
        main.Show();
        return main;
    }

    // Saves under `typed` through the real dialog; the message box answers `answer`.
    void Save(const std::string& typed, int answer = IDOK) {
        boxes.SetAnswer(answer);
        test::DialogDriver driver(&TypeAndConfirm, const_cast<std::string*>(&typed));
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSave, BN_CLICKED),
                     reinterpret_cast<LPARAM>(form->ToolBar1().Handle()));
        ASSERT_TRUE(driver.Done());
    }
    static void TypeAndConfirm(HWND dialog, void* typed) {
        test::SetFileNameField(dialog, *static_cast<std::string*>(typed));
        test::PressButton(dialog, IDOK);
    }
    std::string DumpOf(const std::string& path) { return "/c netsh -c interface dump > \"" + path + "\""; }

    test::ShellCalls shell;
    test::MessageBoxes boxes;
};

TEST_F(SaveTest, ExtensionAddedOnlyWhenTheNameHasNoDot) {
    CreateIn("Dos=0\r\nClose=1\r\n");
    Save(folder / "home");
    Save(folder / "home.txt");
    Save(folder / "home.");
    Save(folder / "my home");
    EXPECT_EQ(shell.Parameters(), (std::vector<std::string>{DumpOf(folder / "home.nsh"), DumpOf(folder / "home.txt"),
                                                            DumpOf(folder / "home."), DumpOf(folder / "my home.nsh")}));
    for (const test::ShellCall& call : shell.Calls()) {
        EXPECT_EQ(call.file, "cmd.exe");
        EXPECT_EQ(call.show, SW_SHOWNORMAL) << "the dump is always shown";
        EXPECT_FALSE(call.hasVerb || call.hasDirectory);
    }
    EXPECT_TRUE(boxes.Shown().empty()) << "no file existed";
    EXPECT_FALSE(app.Terminated()) << "saving never closes the program";
}

TEST_F(SaveTest, ExistingFileIsReplacedOnlyAfterOk) {
    CreateIn();
    test::WriteText(folder / "home.nsh", "old");
    Save(folder / "home", IDCANCEL);
    EXPECT_TRUE(shell.Calls().empty());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, text::kOverwriteQuestion);
    EXPECT_EQ(boxes.Shown()[0].caption, text::kSaveCaption);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION));

    Save(folder / "home", IDOK);
    EXPECT_EQ(shell.Parameters(), std::vector<std::string>{DumpOf(folder / "home.nsh")});
}

TEST_F(SaveTest, ListIsRefilledFromTheLoadFolderWhereverTheFileGoes) {
    TMainForm& main = CreateIn();
    test::TempFolder elsewhere;
    EXPECT_EQ(main.HScrollListbox1().Count(), 0);
    test::WriteText(folder / "added meanwhile.nsh", "");
    Save(elsewhere / "other");
    EXPECT_EQ(shell.Parameters(), std::vector<std::string>{DumpOf(elsewhere / "other.nsh")});
    EXPECT_EQ(Entries(), std::vector<std::string>{"added meanwhile.nsh"});
}

class PinTest : public MainFormTest {
 protected:
    bool Topmost() { return (GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    void ClickPin() {
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnTop, BN_CLICKED),
                     reinterpret_cast<LPARAM>(form->ToolBar1().Handle()));
    }
    // What the tooltip is given when it next shows.
    std::string TipText() {
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = form->ToolBar1().Tooltips();
        info.hdr.idFrom = launcher::kToolBtnTop;
        info.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText ? info.lpszText : "";
    }
    void ExpectPinned(bool pinned) {
        ui::ToolBar& bar = form->ToolBar1();
        EXPECT_EQ(bar.Image(launcher::kToolBtnTop), pinned ? launcher::kImagePinned : launcher::kImageUnpinned);
        EXPECT_EQ(bar.Pressed(launcher::kToolBtnTop), pinned);
        EXPECT_EQ(TipText(), pinned ? text::kHintUnpin : text::kHintPin);
        EXPECT_EQ(Topmost(), pinned);
    }
    void Start() {
        // Wine flags a window topmost only when the window after it is topmost
        // too, as it always is on Windows: a hidden topmost window stands there.
        companion_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
        Create().Show();
    }
    void TearDown() override {
        DestroyWindow(companion_);
        MainFormTest::TearDown();
    }

 private:
    HWND companion_ = nullptr;
};

TEST_F(PinTest, TwoClicksReturnEverythingToWhereItWas) {
    Start();
    ExpectPinned(false);
    ClickPin();
    ExpectPinned(true);
    ClickPin();
    ExpectPinned(false);
}

TEST_F(PinTest, TopSettingPinsAtStartAndAfterTheSettingsDialog) {
    WriteSettings("[CHECKBOX]\r\nTop=1\r\n");
    Start();
    ExpectPinned(true);
    ClickPin();
    ExpectPinned(false);

    dialogs::TSettings settings;
    settings.Create(form->Handle());
    form->SetDialogs(&settings, nullptr);
    PostMessageA(settings.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSettings, BN_CLICKED),
                 reinterpret_cast<LPARAM>(form->ToolBar1().Handle()));
    ExpectPinned(true);
}

TEST_F(PinTest, TopSettingOffNeverUnpins) {
    WriteSettings("[CHECKBOX]\r\nTop=0\r\n");
    Start();
    ClickPin();
    form->LoadSettings();
    ExpectPinned(true);
}

}  // namespace
