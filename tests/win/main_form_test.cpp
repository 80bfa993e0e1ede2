// The main window as the user meets it: bounds, tool bar, list, settings file.
#include "launcher/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <memory>

#include "dialogs/about_box.h"
#include "dialogs/settings_dialog.h"
#include "tests/win/main_form_fixture.h"
#include "tests/win/simulated_screens.h"
#include "tests/win/test_support.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/font.h"

using launcher::TMainForm;

namespace {

using Names = std::vector<std::string>;

TEST_F(MainFormTest, FirstStartWithoutSettingsFile) {
    TMainForm& main = Create();
    ui::Bounds b = main.GetBounds();
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height}), (std::vector<int>{0, 0, 180, 100}));
    EXPECT_EQ(State().LoadDir, test::ExeFolder());
    EXPECT_TRUE(State().ShowPrompt);
    EXPECT_FALSE(State().CloseAfterRun);
    EXPECT_EQ(State().ListExt, "nsh");
    EXPECT_FALSE(test::Exists(test::SettingsPath())) << "reading must not create the file";

    char caption[32] = {};
    GetWindowTextA(main.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "kelvaro");

    main.Close();
    EXPECT_TRUE(test::Terminated());
    EXPECT_EQ(test::ReadText(test::SettingsPath()), "[FORM]\r\nLeft=0\r\nTop=0\r\nWidth=180\r\nHeight=100\r\n");
}

TEST_F(MainFormTest, StoredBoundsAreRestoredAndStoredAgainAsDecimal) {
    WriteSettings("[FORM]\r\nLeft=0x20\r\nTop=$28\r\nWidth= 300\r\nHeight=200\r\n");
    TMainForm& main = Create();
    ui::Bounds b = main.GetBounds();
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height}), (std::vector<int>{32, 40, 300, 200}));

    SetWindowPos(main.Handle(), nullptr, 50, 60, 250, 150, SWP_NOZORDER);
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);  // the close box
    EXPECT_TRUE(test::Terminated());
    const std::string stored = "[FORM]\r\nLeft=50\r\nTop=60\r\nWidth=250\r\nHeight=150\r\n";
    EXPECT_EQ(test::ReadText(test::SettingsPath()), stored);

    // Closed from the task bar while minimised: the bounds it had, not its icon's.
    test::ResetTermination();
    main.Show();
    ShowWindow(main.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(main.Handle()));
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(test::ReadText(test::SettingsPath()), stored);

    // With the task bar at the top or the left, Windows gives those bounds
    // from the work area's corner: they are stored as screen pixels.
    for (const core::Bounds& work : {core::Bounds{0, 30, 1024, 738}, core::Bounds{40, 0, 984, 768}}) {
        test::SimulatedScreens screens({{{{0, 0, 1024, 768}, work, true}, 96}}, 96);
        SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(test::ReadText(test::SettingsPath()), stored) << work.left << "," << work.top;
    }

    // Closed while maximised: the bounds it comes back to, not the screen's.
    ShowWindow(main.Handle(), SW_RESTORE);
    ShowWindow(main.Handle(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(main.Handle()));
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(test::ReadText(test::SettingsPath()), stored);

    // Signing out never runs the close: the bounds are stored when the session
    // really ends, not when another program has refused to let it end.
    ShowWindow(main.Handle(), SW_RESTORE);
    SetWindowPos(main.Handle(), nullptr, 70, 80, 260, 160, SWP_NOZORDER);
    SendMessageA(main.Handle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(test::ReadText(test::SettingsPath()), stored);
    SendMessageA(main.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(test::ReadText(test::SettingsPath()), "[FORM]\r\nLeft=70\r\nTop=80\r\nWidth=260\r\nHeight=160\r\n");
}

TEST_F(MainFormTest, UnreadableBoundsAndEveryChangeMeetTheSizeLimits) {
    WriteSettings("[FORM]\r\nLeft=abc\r\nTop=1x\r\nWidth=10\r\nHeight=-5\r\n");
    TMainForm& main = Create();
    ui::Bounds b = main.GetBounds();
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height}), (std::vector<int>{0, 0, 180, 100}));
    // A change that does not come through the form, as a drag would.
    SetWindowPos(main.Handle(), nullptr, 0, 0, 120, 60, SWP_NOZORDER | SWP_NOMOVE);
    b = main.GetBounds();
    EXPECT_EQ((std::vector<int>{b.width, b.height}), (std::vector<int>{180, 100}));
}

TEST_F(MainFormTest, ListShowsMatchingFilesOfAnyAttributeButNeverFolders) {
    FillScriptFolder();
    WriteSettingsForFolder(folder.Path());
    Create();
    EXPECT_EQ(Entries(), (Names{"a.nsh", "h.nsh", "s.nsh"}));
    WriteSettingsForFolder(folder.Path() + "\\", "1");
    LoadSettings();
    EXPECT_EQ(Entries(), (Names{"a.nsh", "b.txt", "h.nsh", "s.nsh"}));
    RefreshList(folder.Path());  // refilled, not doubled
    EXPECT_EQ(Entries(), (Names{"a.nsh", "b.txt", "h.nsh", "s.nsh"}));
    // 表 (0x95 0x5C) ends the folder name: the pattern still needs its own backslash.
    const std::string japanese = folder / "\x95\x5C";
    ASSERT_TRUE(CreateDirectoryA(japanese.c_str(), nullptr));
    test::WriteText(japanese + "\\\x83\x5C.nsh", "");  // ソ.nsh
    RefreshList(japanese);
    EXPECT_EQ(Entries(), (Names{"\x83\x5C.nsh"}));
}

TEST_F(MainFormTest, MissingFolderOrAFileGivesAnEmptyListAndNoMessage) {
    test::MessageBoxes boxes;
    test::WriteText(folder / "a.nsh", "");
    for (const std::string& notAFolder : {folder / "missing", folder / "a.nsh"}) {
        WriteSettingsForFolder(notAFolder, "1");
        Create();
        EXPECT_EQ(List().Count(), 0) << notAFolder;
    }
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainFormTest, RefusedWriteIsShownAndTheProgramStillEnds) {
    Create();
    // A folder where the file should be: every write to it fails.
    ASSERT_TRUE(CreateDirectoryA(test::SettingsPath().c_str(), nullptr));
    test::MessageBoxes boxes;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, test::SettingsPath() + " に書き込めません.");
    EXPECT_EQ(boxes.Shown()[0].caption, "kelvaro");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(test::Terminated()) << "only the bounds are lost";
    SendMessageA(form->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(boxes.Shown().size(), 1u) << "at the end of a session nobody could answer a box";
}

// The main window's figures at a density: least outer size (the six buttons'
// 170 pixels inside Windows 10's frame, 8 pixels a side at 96 dpi; at least
// 180 x 100), bar height (29), the run button (54, 2 from comctl32, 23 x 22),
// the about button's top (2: on the first row), image size (16), item height
// (12), font height (-12) of the list and of the bar's hints, and the extent of
// the entry with a blank in IPA P Gothic, the test prefix's MS P Gothic.
const std::map<int, std::vector<int>> kLooks = {
    {96, {186, 100, 29, 54, 2, 23, 22, 2, 16, 12, -12, -12, 164}},
    {120, {234, 125, 36, 68, 2, 29, 28, 2, 20, 15, -15, -15, 208}},
    {144, {282, 150, 44, 82, 2, 35, 33, 2, 24, 18, -18, -18, 252}},
    {192, {372, 200, 58, 108, 2, 46, 44, 2, 32, 24, -24, -24, 332}},
};

// What reaches the list: its placements (one in each layout) and its extent
// (one for each measuring of every entry).
WNDPROC listBase = nullptr;
int listPlacements = 0, listExtents = 0;
LRESULT CALLBACK CountListWork(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Not the list's own frame changes, which its new font and item height bring.
    listPlacements += message == WM_WINDOWPOSCHANGING && !(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOSIZE);
    listExtents += message == LB_SETHORIZONTALEXTENT;
    return CallWindowProcA(listBase, hwnd, message, wParam, lParam);
}

TEST_F(MainFormTest, TheWindowLivesAtItsScreensDensityAndStoredBoundsComeBackAsStored) {
    test::SimulatedScreens screens(test::kDockedLaptop, 96);
    test::WriteText(folder / "a rather long script name.nsh", "");
    const std::string settings = "[DIR]\r\nLoadFolder=" + folder.Path() + "\r\n";
    WriteSettings(settings);
    const auto font = [](HWND window) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
        return static_cast<int>(font.lfHeight);
    };
    const auto look = [&] {
        MINMAXINFO limits{};
        SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        const RECT run = ButtonRect(launcher::kToolBtnExec);
        int image = 0, unused = 0;
        ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageA(Bar().Handle(), TB_GETIMAGELIST, 0, 0)),
                              &image, &unused);
        return std::vector<int>{static_cast<int>(limits.ptMinTrackSize.x), static_cast<int>(limits.ptMinTrackSize.y),
                                static_cast<int>(test::Placement(List().Handle())[1]),
                                static_cast<int>(run.left), static_cast<int>(run.top),
                                static_cast<int>(run.right - run.left), static_cast<int>(run.bottom - run.top),
                                static_cast<int>(ButtonRect(launcher::kToolBtnAbout).top), image,
                                static_cast<int>(SendMessageA(List().Handle(), LB_GETITEMHEIGHT, 0, 0)),
                                font(List().Handle()), font(Bar().Tooltips()),
                                static_cast<int>(SendMessageA(List().Handle(), LB_GETHORIZONTALEXTENT, 0, 0))};
    };
    Create().Show();
    EXPECT_EQ(look(), kLooks.at(144)) << "made on the laptop, at its density, not the system's";
    EXPECT_EQ(form->GetBounds().width, kLooks.at(144)[0]) << "no stored bounds: at the least size";
    listBase = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(List().Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountListWork)));
    // Dragged by the user from screen to screen: Windows' suggested size is
    // taken, the list laid out and measured once; then sized as small as it goes.
    const std::pair<POINT, int> drags[] = {{{1600, 400}, 96}, {{512, 300}, 144}, {{512, 1000}, 192},
                                           {{-640, 400}, 120}};
    for (const auto& [to, dpi] : drags) {
        listPlacements = listExtents = 0;
        screens.Drag(form->Handle(), to);
        EXPECT_EQ(form->GetBounds(), screens.Suggested());
        EXPECT_EQ((std::vector<int>{listPlacements, listExtents}), (std::vector<int>{1, 1})) << dpi;
        SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(look(), kLooks.at(dpi)) << dpi;
    }
    SetWindowLongPtrA(List().Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listBase));
    // Sized by the user to less than the laptop's least size, not the screen's;
    // closed while minimised there.
    SetWindowPos(form->Handle(), nullptr, -1000, 100, 240, 130, SWP_NOZORDER);
    ShowWindow(form->Handle(), SW_MINIMIZE);
    form->Close();
    const std::string stored = settings + "[FORM]\r\nLeft=-1000\r\nTop=100\r\nWidth=240\r\nHeight=130\r\n";
    EXPECT_EQ(test::ReadText(test::SettingsPath()), stored);

    // The next start is made on the laptop and moved by its stored bounds to
    // the 120-dpi screen: kept as stored, and stored again byte for byte. So
    // are bounds across the laptop and the 96-dpi screen, with 176 of their 300
    // pixels on the latter, placed once: Windows' suggestion, made at the
    // laptop's corner, would be mostly on the laptop, and back again.
    const std::string across = settings + "[FORM]\r\nLeft=900\r\nTop=100\r\nWidth=300\r\nHeight=200\r\n";
    for (const auto& [text, dpi] : {std::pair{stored, 120}, std::pair{across, 96}}) {
        WriteSettings(text);
        test::ResetTermination();
        const int changes = screens.DensityChanges();
        Create();
        EXPECT_EQ(screens.DensityChanges() - changes, 1) << dpi;
        EXPECT_EQ(look(), kLooks.at(dpi));
        form->Close();
        EXPECT_EQ(test::ReadText(test::SettingsPath()), text);
    }

    // Bounds of which only a corner shows, its title bar out of the user's
    // reach, come back to the nearest work area, their size kept.
    WriteSettings("[FORM]\r\nLeft=2300\r\nTop=1020\r\nWidth=300\r\nHeight=200\r\n");
    const ui::Bounds b = Create().GetBounds();
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height}), (std::vector<int>{2004, 824, 300, 200}));
}

TEST_F(MainFormTest, ASystemAwareWindowIsScaledByWindowsAlone) {
    // Before Windows 10 1703 the program is system-aware: Windows stretches
    // its window on the laptop, and a change of density, if one comes, is
    // not the program's to follow.
    test::SimulatedScreens screens(test::kDockedLaptop, 96, false);
    Create().Show();
    const ui::Bounds before = form->GetBounds();
    test::MoveToDpi(form->Handle(), 96, 144);
    EXPECT_EQ(form->GetBounds(), before);
    EXPECT_EQ(SendMessageA(List().Handle(), LB_GETITEMHEIGHT, 0, 0), 12);
}

TEST_F(MainFormTest, EscClosesFromTheListAndFromTheWindow) {
    Create().Show();
    EXPECT_EQ(GetFocus(), List().Handle()) << "the list has the focus at start";
    PostMessageA(List().Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    test::Pump();
    EXPECT_TRUE(test::Terminated());
    EXPECT_NE(test::ReadText(test::SettingsPath()).find("[FORM]"), std::string::npos);

    test::ResetTermination();
    PostMessageA(form->Handle(), WM_CHAR, 27, 1);
    test::Pump();
    EXPECT_TRUE(test::Terminated());
}

TEST_F(MainFormTest, ToolBarAndListLayout) {
    TMainForm& main = Create();
    main.Show();
    struct Expected {
        int command;
        int left;
        int image;
        const char* hint;
    };
    const Expected buttons[] = {
        {launcher::kToolBtnOpen, 0, 0, "ファイルを選択して実行"},
        {launcher::kToolBtnSave, 23, 1, "現在の設定を保存"},
        {launcher::kToolBtnExec, 54, 2, "リストで選択した設定を実行"},
        {launcher::kToolBtnTop, 85, 5, "常に最前面に表示"},
        {launcher::kToolBtnSettings, 116, 3, "設定"},
        {launcher::kToolBtnAbout, 147, 4, "バージョン情報"},
    };
    // Named from the start, before any hover: a screen reader names an
    // image-only button by its tooltip.
    ASSERT_NE(Bar().Tooltips(), nullptr);
    EXPECT_EQ(SendMessageA(Bar().Tooltips(), TTM_GETTOOLCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(Bar().Tooltips(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
    EXPECT_EQ(SendMessageA(Bar().Tooltips(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 2500);
    // The hints show while another window is active too, as over a pinned window.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 500, 40, 40, nullptr, nullptr, nullptr,
                                 nullptr);
    SetActiveWindow(other);
    for (const Expected& button : buttons) {
        RECT r = ButtonRect(button.command);
        EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  (std::vector<LONG>{button.left, 2, 23, 22}))
            << button.command;
        EXPECT_EQ(ImageOf(button.command), button.image);
        EXPECT_EQ(TipText(button.command), button.hint);
    }
    DestroyWindow(other);

    RECT client, bar, list;
    GetClientRect(main.Handle(), &client);
    GetWindowRect(Bar().Handle(), &bar);
    GetWindowRect(List().Handle(), &list);
    MapWindowPoints(nullptr, main.Handle(), reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(bar.bottom - bar.top, 29);
    EXPECT_EQ((std::vector<LONG>{list.left, list.top, list.right, list.bottom}),
              (std::vector<LONG>{0, 29, client.right, client.bottom}));
    LONG style = GetWindowLongA(List().Handle(), GWL_STYLE);
    EXPECT_EQ(style & (LBS_NOTIFY | LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL), LBS_NOTIFY);
    EXPECT_TRUE(GetWindowLongA(List().Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

// A dialog as a showing shows it: client size, font height, outer rectangle,
// focus; and, in the first, where the user then moves it and what he focuses.
struct Showing {
    ui::Form* dialog;
    int focusBefore;  // the control the user leaves focused
    std::vector<LONG> client{};
    LONG fontHeight = 0;
    RECT outer{};
    int focus = 0;
};

void LookAndClose(void* context) {
    auto& shown = *static_cast<Showing*>(context);
    HWND window = shown.dialog->Handle();
    shown.client = test::ClientSize(window);
    GetWindowRect(window, &shown.outer);
    LOGFONTA font{};
    HWND button = FindWindowExA(window, nullptr, "Button", nullptr);
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), sizeof font, &font);
    shown.fontHeight = font.lfHeight;
    shown.focus = GetDlgCtrlID(GetFocus());
    SetWindowPos(window, nullptr, 1100, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // the user moves it
    SetFocus(test::Find(window, shown.focusBefore));
    PostMessageA(GetFocus(), WM_CHAR, 27, 1);  // Esc leaves the focus where it is
}

TEST_F(MainFormTest, DialogsShowFirstAtTheDensityOfTheMainWindowsScreenCentredThereLaterWhereLeft) {
    // Windows are made on the laptop at 96 dpi; the main window stands on a
    // 144-dpi screen to its right.
    test::SimulatedScreens screens({{{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true}, 96},
                                    {{{1024, 0, 1280, 1024}, {1024, 0, 1280, 1024}, false}, 144}},
                                   96);
    WriteSettings("[FORM]\r\nLeft=1100\r\nTop=50\r\nWidth=270\r\nHeight=150\r\n");
    Create();
    dialogs::TSettings settings;
    settings.Create(form->Handle());
    dialogs::TAboutBox about;
    about.Create(form->Handle());
    form->Show();
    struct Expected {
        ui::Form* dialog;
        std::vector<LONG> client;
        int firstFocus;  // the first control in tab order
        int leftFocused;
    };
    const Expected dialogs[] = {{&settings, {545, 309}, dialogs::kBtnSet, dialogs::kChkTop},
                                {&about, {278, 222}, dialogs::kOKButton, dialogs::kOKButton}};
    for (const Expected& expected : dialogs) {
        Showing first{expected.dialog, expected.leftFocused}, later{expected.dialog, expected.leftFocused};
        for (Showing* shown : {&first, &later}) {
            test::Soon soon(&LookAndClose, shown);
            expected.dialog->ShowModal();
            ASSERT_TRUE(soon.Done());
        }
        SCOPED_TRACE(expected.client[0]);
        EXPECT_EQ(first.client, expected.client);
        EXPECT_EQ(first.fontHeight, -18);
        const LONG width = first.outer.right - first.outer.left, height = first.outer.bottom - first.outer.top;
        EXPECT_EQ((std::vector<LONG>{first.outer.left, first.outer.top}),
                  (std::vector<LONG>{1024 + (1280 - width) / 2, (1024 - height) / 2}));
        EXPECT_EQ(first.focus, expected.firstFocus);
        EXPECT_EQ((std::vector<LONG>{later.outer.left, later.outer.top}), (std::vector<LONG>{1100, 60}));
        EXPECT_EQ(later.focus, expected.leftFocused);
    }
}

}  // namespace

namespace {

// A list that refuses its third entry, as a list out of memory would.
WNDPROC listProcedure = nullptr;
int additions = 0;
LRESULT CALLBACK RefuseThirdEntry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == LB_ADDSTRING && ++additions == 3) return LB_ERRSPACE;
    return CallWindowProcA(listProcedure, hwnd, message, wParam, lParam);
}

TEST_F(MainFormTest, RefusedEntryEndsTheRefreshWithAMessageAndKeepsTheRest) {
    for (const char* name : {"1.nsh", "2.nsh", "3.nsh", "4.nsh"}) test::WriteText(folder / name, "");
    Create();
    HWND list = List().Handle();
    listProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefuseThirdEntry)));
    additions = 0;
    test::MessageBoxes boxes;
    WriteSettingsForFolder(folder.Path());
    // The settings button with no dialog attached just re-reads the file.
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(launcher::kToolBtnSettings, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Bar().Handle()));
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProcedure));
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "行を挿入できません.");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(List().Count(), 2);
}

}  // namespace
