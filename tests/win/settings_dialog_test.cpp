// The settings dialog: what it shows, what it writes, and how it closes.
#include "dialogs/settings_dialog.h"

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "launcher/settings_file.h"
#include "ui/code_page.h"
#include "tests/win/main_form_fixture.h"
#include "tests/win/simulated_screens.h"

namespace {

class SettingsDialogTest : public MainFormTest {
 public:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
        settings.Create(form->Handle());
        form->SetDialogs(&settings, nullptr);
        form->Show();
    }

    // Shows the dialog, not modally, as the main window would show it now.
    void ShowAsTheFileHolds() { test::Access::ShowSettings(settings, launcher::ReadSettings()); }
    // The dialog's controls, found as a user's tool would: by identifier.
    HWND Find(int id) { return test::Find(settings.Handle(), id); }
    ui::Button btnSet() { return ui::Button(Find(dialogs::kBtnSet)); }
    ui::Button btnCancel() { return ui::Button(Find(dialogs::kBtnCancel)); }
    ui::Button btnDirSel1() { return ui::Button(Find(dialogs::kBtnDirSel1)); }
    ui::Control edtDirOpen() { return ui::Control(Find(dialogs::kEdtDirOpen)); }
    ui::CheckBox chkPrompt() { return ui::CheckBox(Find(dialogs::kChkPrompt)); }
    ui::CheckBox chkClose() { return ui::CheckBox(Find(dialogs::kChkClose)); }
    ui::CheckBox chkOtherExt() { return ui::CheckBox(Find(dialogs::kChkOtherExt)); }
    ui::CheckBox chkTop() { return ui::CheckBox(Find(dialogs::kChkTop)); }

    // Clicks a push button the way the user does, through the button itself.
    void Click(ui::Button button) {
        button.Click();
        test::Pump();
    }
    // Opens the dialog from the main window and runs `during` inside its modal run.
    void OpenFromMainWindow(test::Soon::Action during, void* context = nullptr) {
        test::Soon soon(during, context ? context : this);
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSettings, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Bar().Handle()));
        EXPECT_TRUE(soon.Done());
    }
    static SettingsDialogTest& Self(void* context) { return *static_cast<SettingsDialogTest*>(context); }

    dialogs::TSettings settings;
    test::MessageBoxes boxes;
};

TEST_F(SettingsDialogTest, DefaultsWithoutAFileOnlyTheTextOneChecksABoxAndOthersAreStoredAsZero) {
    ShowAsTheFileHolds();
    EXPECT_EQ(edtDirOpen().Text(), test::ExeFolder());
    EXPECT_TRUE(chkPrompt().Checked());
    EXPECT_FALSE(chkClose().Checked() || chkOtherExt().Checked() || chkTop().Checked());
    for (const char* value : {"true", "01", ""}) {
        WriteSettings(std::string("[CHECKBOX]\r\nDos=") + value + "\r\nClose=1\r\n");
        ShowAsTheFileHolds();
        EXPECT_FALSE(chkPrompt().Checked()) << value;
        EXPECT_TRUE(chkClose().Checked());
    }
    edtDirOpen().SetText(folder.Path());
    Click(btnSet());
    EXPECT_NE(test::ReadText(test::SettingsPath()).find("Dos=0\r\n"), std::string::npos);
}

TEST_F(SettingsDialogTest, InvalidFoldersAreRefusedAndTheFileIsUntouched) {
    WriteSettings("[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n");
    test::WriteText(folder / "file.nsh", "");
    ShowAsTheFileHolds();
    for (const std::string& bad : {std::string(""), folder / "file.nsh", folder / "missing"}) {
        edtDirOpen().SetText(bad);
        Click(btnSet());
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ(boxes.Shown().back().text, "フォルダ設定が不正です") << bad;
        EXPECT_EQ(boxes.Shown().back().caption, "Error");
        EXPECT_EQ(boxes.Shown().back().type, static_cast<UINT>(MB_OK));
        EXPECT_EQ(test::ReadText(test::SettingsPath()), "[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n");
        EXPECT_TRUE(settings.Visible());
        EXPECT_EQ(edtDirOpen().Text(), bad) << "left as the user typed it";
    }
    // A folder the code page cannot name, typed or pasted as it is, beside
    // the folder its look-alike names.
    const std::wstring cafe = ui::ToWide(folder.Path()) + L"\\caf\u00e9";
    CreateDirectoryW(cafe.c_str(), nullptr);
    CreateDirectoryA((folder / "cafe").c_str(), nullptr);
    SetWindowTextW(edtDirOpen().Handle(), cafe.c_str());
    Click(btnSet());
    EXPECT_EQ(boxes.Shown().back().text, "フォルダ設定が不正です");
    EXPECT_EQ(test::ReadText(test::SettingsPath()), "[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n");
}

TEST_F(SettingsDialogTest, DeclinedConfirmationKeepsTheDialogAndItsChanges) {
    ShowAsTheFileHolds();
    edtDirOpen().SetText(folder.Path());
    chkTop().SetChecked(true);
    boxes.SetAnswer(IDCANCEL);
    Click(btnSet());
    Click(btnSet());
    ASSERT_EQ(boxes.Shown().size(), 2u) << "asked again";
    EXPECT_EQ(boxes.Shown()[0].text, "設定を保存します。よろしいですか？");
    EXPECT_EQ(boxes.Shown()[0].caption, "Save");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_FALSE(test::Exists(test::SettingsPath()));
    EXPECT_TRUE(settings.Visible());
    EXPECT_TRUE(chkTop().Checked());
}

TEST_F(SettingsDialogTest, ConfirmedSaveWritesTheFiveKeysInOrderAndTheListFollows) {
    test::WriteText(folder / "office.nsh", "");
    OpenFromMainWindow([](void* self) {
        auto& t = Self(self);
        t.edtDirOpen().SetText(t.folder.Path());
        t.chkOtherExt().SetChecked(true);
        t.btnSet().Click();
    });
    EXPECT_FALSE(settings.Visible());
    EXPECT_EQ(test::ReadText(test::SettingsPath()), "[DIR]\r\nLoadFolder=" + folder.Path() +
                                                        "\r\n[CHECKBOX]\r\nDos=1\r\nClose=0\r\nOtherExt=1\r\nTop=0\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"office.nsh"});
}

TEST_F(SettingsDialogTest, EveryOtherWayOutWritesNothingButTheMainWindowRereads) {
    const test::Soon::Action ways[] = {
        [](void* self) { Self(self).btnCancel().Click(); },
        [](void* self) {  // Esc while the edit has the focus
            Self(self).edtDirOpen().Focus();
            PostMessageA(Self(self).edtDirOpen().Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        },
        [](void* self) { PostMessageA(Self(self).settings.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    test::WriteText(folder / "a.nsh", "");
    for (test::Soon::Action way : ways) {
        const std::string before = "[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n";
        test::RemoveTree(test::SettingsPath());
        LoadSettings();
        EXPECT_EQ(List().Count(), 0);
        WriteSettings(before);  // changed by hand while the dialog runs
        OpenFromMainWindow(way);
        EXPECT_FALSE(settings.Visible());
        EXPECT_TRUE(IsWindowEnabled(form->Handle()));
        EXPECT_EQ(test::ReadText(test::SettingsPath()), before);
        EXPECT_EQ(List().Count(), 1) << "re-read after the dialog closed";
    }
}

TEST_F(SettingsDialogTest, RefusedWriteIsShownAndTheDialogStaysOpen) {
    ShowAsTheFileHolds();
    edtDirOpen().SetText(folder.Path());
    ASSERT_TRUE(CreateDirectoryA(test::SettingsPath().c_str(), nullptr));
    Click(btnSet());
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].text, test::SettingsPath() + " に書き込めません.");  // in the error box
    EXPECT_TRUE(settings.Visible()) << "open, to retry or cancel";
}

TEST_F(SettingsDialogTest, EnterPressesOnlyAFocusedButton) {
    ShowAsTheFileHolds();
    edtDirOpen().SetText(folder.Path());
    for (ui::Control control : {ui::Control(edtDirOpen()), ui::Control(chkClose().Handle())}) {
        control.Focus();
        PostMessageA(control.Handle(), WM_KEYDOWN, VK_RETURN, 1);
        test::Pump();
    }
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_FALSE(chkClose().Checked());
    btnSet().Focus();
    PostMessageA(btnSet().Handle(), WM_KEYDOWN, VK_RETURN, 1);
    test::Pump();
    EXPECT_EQ(boxes.Shown().size(), 1u);
}

TEST_F(SettingsDialogTest, LayoutAndTabOrder) {
    ShowAsTheFileHolds();  // the controls are made at the first showing
    EXPECT_EQ(test::ClientSize(settings.Handle()), (std::vector<LONG>{363, 206}));
    EXPECT_EQ(test::Placement(btnSet().Handle()), (std::vector<LONG>{88, 168, 75, 25}));
    EXPECT_EQ(test::Placement(btnCancel().Handle()), (std::vector<LONG>{200, 168, 75, 25}));
    EXPECT_EQ(test::Placement(Find(dialogs::kSettingsPanel1)), (std::vector<LONG>{0, 0, 363, 153}));
    EXPECT_EQ(test::Placement(edtDirOpen().Handle()), (std::vector<LONG>{77, 10, 257, 20}));
    EXPECT_EQ(test::Placement(btnDirSel1().Handle()), (std::vector<LONG>{333, 10, 25, 20}));
    EXPECT_EQ(test::Placement(chkPrompt().Handle()), (std::vector<LONG>{24, 42, 249, 17}));
    EXPECT_EQ(test::Placement(chkClose().Handle()), (std::vector<LONG>{24, 69, 257, 17}));
    EXPECT_EQ(test::Placement(chkOtherExt().Handle()), (std::vector<LONG>{24, 96, 257, 17}));
    EXPECT_EQ(test::Placement(chkTop().Handle()), (std::vector<LONG>{24, 124, 257, 17}));
    // The edit's label: 3 pixels left of it and centred on it, its size its
    // text's: 67 x 12 in MS P Gothic itself, 66 x 13 in IPA P Gothic, which
    // the test prefix gives in its place.
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Find(dialogs::kEdtDirOpenLabel), WM_GETFONT, 0, 0));
    EXPECT_EQ(test::Placement(Find(dialogs::kEdtDirOpenLabel)),
              test::IsRealFont(font, "ＭＳ Ｐゴシック") ? (std::vector<LONG>{7, 14, 67, 12})
                                                        : (std::vector<LONG>{8, 13, 66, 13}));

    std::vector<HWND> order{btnSet().Handle(),     btnCancel().Handle(), edtDirOpen().Handle(),
                            btnDirSel1().Handle(), chkPrompt().Handle(), chkClose().Handle(),
                            chkOtherExt().Handle(), chkTop().Handle(),   btnSet().Handle()};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(GetNextDlgTabItem(settings.Handle(), order[i], FALSE), order[i + 1]) << i;
    EXPECT_FALSE(GetWindowLongA(btnSet().Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_FALSE(GetWindowLongA(btnCancel().Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(SettingsDialogTest, LayoutFollowsTheDensityOfEachScreenTheUserDragsItTo) {
    struct AtDpi {
        int dpi;
        POINT to;
        std::vector<LONG> client;  // 363 x 206
        std::vector<LONG> btnSet;  // 88, 168, 75 x 25
        LONG labelRight;           // 3 pixels left of the edit at 77
        LONG fontHeight;           // -12
    };
    const AtDpi densities[] = {
        {120, {-640, 400}, {454, 258}, {110, 210, 94, 31}, 96 - 4, -15},
        {192, {512, 1000}, {726, 412}, {176, 336, 150, 50}, 154 - 6, -24},
        {144, {512, 300}, {545, 309}, {132, 252, 113, 38}, 116 - 5, -18},
    };
    test::SimulatedScreens screens(test::kDockedLaptop, 96);
    ShowAsTheFileHolds();  // on the laptop
    for (const AtDpi& at : densities) {
        SCOPED_TRACE(at.dpi);
        screens.Drag(settings.Handle(), at.to);
        EXPECT_EQ(ui::screen::BoundsOf(settings.Handle()), screens.Suggested()) << "where Windows put it";
        EXPECT_EQ(test::ClientSize(settings.Handle()), at.client);
        EXPECT_EQ(test::Placement(btnSet().Handle()), at.btnSet);
        std::vector<LONG> label = test::Placement(Find(dialogs::kEdtDirOpenLabel));
        EXPECT_EQ(label[0] + label[2], at.labelRight);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(chkTop().Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, at.fontHeight);
    }
}

TEST_F(SettingsDialogTest, FolderBrowserPutsTheChosenFolderInTheFieldAndCancelKeepsTheText) {
    ShowAsTheFileHolds();
    edtDirOpen().SetText("kept as typed");
    test::DialogDriver cancel([](HWND browser, void*) { test::PressButton(browser, IDCANCEL); }, nullptr);
    Click(btnDirSel1());
    EXPECT_TRUE(cancel.Done());
    EXPECT_EQ(edtDirOpen().Text(), "kept as typed");
    // The browser needs a single-threaded apartment, which Windows' does not
    // make for itself; Wine's makes one for its own run only. S_FALSE: there
    // already is one.
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(apartment)) CoUninitialize();
    EXPECT_EQ(apartment, S_FALSE);

    test::DialogDriver choose(
        [](HWND browser, void* folder) {
            // The browser of a new Wine prefix fills its tree while it opens:
            // the choice is made again until the tree shows it.
            const std::string path = static_cast<char*>(folder);
            const std::string name = path.substr(path.rfind('\\') + 1);
            HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
            char shown[MAX_PATH] = {};
            for (DWORD start = GetTickCount(); name != shown && GetTickCount() - start < 5000; Sleep(20)) {
                SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
                test::Pump();
                TVITEMA item{TVIF_TEXT, TreeView_GetSelection(tree)};
                item.pszText = shown;
                item.cchTextMax = sizeof shown;
                SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            }
            test::PressButton(browser, IDOK);
        },
        const_cast<char*>(folder.Path().c_str()));
    Click(btnDirSel1());
    EXPECT_TRUE(choose.Done());
    EXPECT_EQ(edtDirOpen().Text(), folder.Path());
}

}  // namespace
