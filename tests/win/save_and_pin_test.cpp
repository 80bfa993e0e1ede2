// Saving the current configuration, and the always-on-top pin.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "dialogs/settings_dialog.h"
#include "tests/win/main_form_fixture.h"

namespace {

class SaveTest : public MainFormTest {
 protected:
    TMainForm& CreateIn(const std::string& checkboxes = "") {
        WriteSettings("[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n[CHECKBOX]\r\n" + checkboxes);
        TMainForm& main = Create();
        main.Show();
        return main;
    }

    // Saves under `typed` through the real dialog.
    void Save(const std::string& typed) {
        test::DialogDriver driver(&TypeAndConfirm, const_cast<std::string*>(&typed));
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSave, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Bar().Handle()));
        ASSERT_TRUE(driver.Done());
    }
    static void TypeAndConfirm(HWND dialog, void* typed) {
        test::SetFileNameField(dialog, *static_cast<std::string*>(typed));
        test::PressButton(dialog, IDOK);
    }
};

// One use of the save dialog: what it offered, and what the user does.
struct SaveVisit {
    std::string folderShown;
    std::string nameShown;
    LRESULT filterShown = -1;  // 0 is the first entry
    int chooseFilter;
    std::string typed;  // empty: cancel
};

void ChooseFilterAndAnswer(HWND dialog, void* context) {
    auto& visit = *static_cast<SaveVisit*>(context);
    HWND filters = GetDlgItem(dialog, cmb1);
    visit.folderShown = test::FolderShown(dialog);
    visit.nameShown = test::FileNameField(dialog);
    visit.filterShown = SendMessageA(filters, CB_GETCURSEL, 0, 0);
    SendMessageA(filters, CB_SETCURSEL, visit.chooseFilter, 0);
    // What the combo box tells its dialog when the user picks an entry.
    for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, notification), reinterpret_cast<LPARAM>(filters));
    if (visit.typed.empty()) {
        test::PressButton(dialog, IDCANCEL);
        return;
    }
    test::SetFileNameField(dialog, visit.typed);
    test::PressButton(dialog, IDOK);
}

TEST_F(SaveTest, DialogOffersTheNameAndFilterLastConfirmedNotLastCancelled) {
    CreateIn();
    SaveVisit visits[] = {{"", "", -1, 1, folder / "first"}, {"", "", -1, 0, ""}, {"", "", -1, 0, ""}};
    for (SaveVisit& visit : visits) {
        test::DialogDriver driver(&ChooseFilterAndAnswer, &visit);
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSave, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Bar().Handle()));
        ASSERT_TRUE(driver.Done());
    }
    EXPECT_EQ(visits[0].folderShown, folder.Path()) << "it starts in the load folder";
    EXPECT_EQ(visits[0].nameShown, "") << "empty at the first use";
    EXPECT_EQ(visits[0].filterShown, 0) << "nshファイル at the first use";
    for (const SaveVisit& later : {visits[1], visits[2]}) {
        EXPECT_NE(later.nameShown.find("first"), std::string::npos) << later.nameShown;
        EXPECT_EQ(later.filterShown, 1) << "全てのファイル, as confirmed; the cancelled choice is forgotten";
    }
    // The dump goes to a file of its own, which takes the name once it worked.
    EXPECT_EQ(system.log, std::vector<std::string>{test::DumpLogged(folder / "kvr0.tmp")});
    system.sizes[folder / "kvr0.tmp"] = 1;
    system.EndOldest(0);
    EXPECT_EQ(system.log.back(), "move " + folder / "kvr0.tmp" + " " + folder / "first.nsh");
}

// The dump is always shown and never closes the program; once the new
// profile is in place, the list is refilled from the load folder, wherever
// the file went.
TEST_F(SaveTest, DumpIsShownAndTheLoadFolderListedAgainOnceItWorked) {
    CreateIn("Dos=0\r\nClose=1\r\n");
    test::TempFolder elsewhere;
    test::WriteText(folder / "added meanwhile.nsh", "");
    Save(elsewhere / "other");
    EXPECT_EQ(system.log, std::vector<std::string>{test::DumpLogged(elsewhere / "kvr0.tmp")});
    EXPECT_EQ(List().Count(), 0);
    system.sizes[elsewhere / "kvr0.tmp"] = 1;
    system.EndOldest(0);
    EXPECT_EQ(Entries(), std::vector<std::string>{"added meanwhile.nsh"});
    EXPECT_FALSE(test::Terminated());
}

class PinTest : public MainFormTest {
 protected:
    bool Topmost() { return (GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    void ClickPin() {
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnTop, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Bar().Handle()));
    }
    void ExpectPinned(bool pinned) {
        EXPECT_EQ(ImageOf(launcher::kToolBtnTop), pinned ? 6 : 5);
        EXPECT_EQ(Pressed(launcher::kToolBtnTop), pinned);
        EXPECT_EQ(HintNow(launcher::kToolBtnTop), pinned ? "最前面表示の解除" : "常に最前面に表示");
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

// Top=1 pins at start and after the settings dialog, whatever happened in
// between; Top=0 never unpins; two clicks bring everything back.
TEST_F(PinTest, TheTopSettingPinsAndOnlyTheButtonUnpins) {
    WriteSettings("[CHECKBOX]\r\nTop=1\r\n");
    Start();
    ExpectPinned(true);
    for (bool pinned : {false, true, false}) {
        ClickPin();
        ExpectPinned(pinned);
    }
    dialogs::TSettings settings;
    settings.Create(form->Handle());
    form->SetDialogs(&settings, nullptr);
    // Esc once the dialog's modal run has started (its window is made then).
    test::Soon esc([](void* dialog) { PostMessageA(static_cast<ui::Form*>(dialog)->Handle(), WM_KEYDOWN, VK_ESCAPE, 1); },
                   &settings);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSettings, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Bar().Handle()));
    ExpectPinned(true);
    WriteSettings("[CHECKBOX]\r\nTop=0\r\n");
    LoadSettings();
    ExpectPinned(true);
}

}  // namespace
