// The about box: layout, keys, the link's colours and its click.
#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "tests/win/main_form_fixture.h"
#include "tests/win/simulated_screens.h"
#include "ui/shell.h"
#include "ui/system_api.h"
#include "ui/system_colors.h"

namespace {

class AboutBoxTest : public MainFormTest {
 public:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
        about.Create(form->Handle());
        test::Access::SetShellExecute(about, &test::ShellCalls::Execute);
        form->SetDialogs(nullptr, &about);
        form->Show();
    }
    // Shows the box modally and runs `during` inside its modal run; the result.
    int ShowWith(test::Soon::Action during) {
        test::Soon soon(during, this);
        int result = about.ShowModal();
        EXPECT_TRUE(soon.Done());
        return result;
    }
    // The box's controls, by identifier.
    HWND Find(int id) { return test::Find(about.Handle(), id); }
    HWND Panel1() { return Find(dialogs::kAboutPanel1); }
    HWND ProductName() { return Find(dialogs::kProductName); }
    HWND Version() { return Find(dialogs::kVersion); }
    HWND Copyright() { return Find(dialogs::kCopyright); }
    HWND SiteLink() { return Find(dialogs::kSiteLink); }
    HWND OKButton() { return Find(dialogs::kOKButton); }
    HWND Image1() { return Find(dialogs::kImage1); }
    static AboutBoxTest& Self(void* context) { return *static_cast<AboutBoxTest*>(context); }
    // The colour the link's text is drawn in now, and its ground's.
    COLORREF LinkTextColor(COLORREF* ground = nullptr) {
        HDC dc = GetDC(SiteLink());
        SendMessageA(Panel1(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(SiteLink()));
        COLORREF color = GetTextColor(dc);
        if (ground) *ground = GetBkColor(dc);
        ReleaseDC(SiteLink(), dc);
        return color;
    }
    // The tool bar's pictures and the box's side by side, on dark grey, which none uses.
    std::vector<DWORD> Pictures() {
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(Bar().Handle(), TB_GETIMAGELIST, 0, 0));
        const int count = ImageList_GetImageCount(images), size = 32;
        BITMAPINFO format{{sizeof(BITMAPINFOHEADER), size * (count + 1), -size, 1, 32, BI_RGB}};
        DWORD* bits = nullptr;
        HBITMAP canvas = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, canvas);
        SelectObject(dc, GetStockObject(DKGRAY_BRUSH));
        PatBlt(dc, 0, 0, size * (count + 1), size, PATCOPY);
        for (int i = 0; i < count; ++i) ImageList_Draw(images, i, dc, i * size, 0, ILD_TRANSPARENT);
        DrawIconEx(dc, count * size, 0, reinterpret_cast<HICON>(SendMessageA(Image1(), STM_GETICON, 0, 0)), 0, 0, 0,
                   nullptr, DI_NORMAL);
        GdiFlush();
        std::vector<DWORD> pixels(bits, bits + size * size * (count + 1));
        DeleteDC(dc);
        DeleteObject(canvas);
        return pixels;
    }

    dialogs::TAboutBox about;
    test::ShellCalls shell;
};

TEST_F(AboutBoxTest, Layout) {
    about.Show();  // the controls are made at the first showing
    EXPECT_EQ(test::ClientSize(about.Handle()), (std::vector<LONG>{185, 148}));
    EXPECT_EQ(test::Placement(Panel1()), (std::vector<LONG>{8, 8, 169, 89}));
    EXPECT_EQ(test::Placement(OKButton()), (std::vector<LONG>{56, 114, 75, 25}));
    EXPECT_EQ(test::Placement(Image1()), (std::vector<LONG>{13, 16, 32, 32}));
    auto place = [&](HWND label) {
        std::vector<LONG> r = test::Placement(label);
        return std::vector<LONG>{r[0], r[1]};
    };
    EXPECT_EQ(place(ProductName()), (std::vector<LONG>{56, 16}));
    EXPECT_EQ(place(Version()), (std::vector<LONG>{112, 16}));
    EXPECT_EQ(place(Copyright()), (std::vector<LONG>{56, 36}));
    EXPECT_EQ(place(SiteLink()), (std::vector<LONG>{53, 64}));
    // Every label whole inside the panel's bevels (1 pixel each, so x 2 to 167).
    for (HWND label : {ProductName(), Version(), Copyright(), SiteLink()}) {
        std::vector<LONG> r = test::Placement(label);
        EXPECT_LE(r[0] + r[2], 169 - 2) << ui::Control(label).Text();
        EXPECT_LE(r[1] + r[3], 89 - 2) << ui::Control(label).Text();
    }
    EXPECT_EQ(ui::Control(Version()).Text(), "Ver 0.3.0");
    EXPECT_EQ(ui::Control(SiteLink()).Text(), "開発元サイト");
    // Sized to their texts: 44 and 66 wide, 12 high in MS P Gothic itself;
    // 52 and 66 wide, 13 high in IPA P Gothic, which the test prefix gives.
    const bool real = test::IsRealFont(reinterpret_cast<HFONT>(SendMessageA(Version(), WM_GETFONT, 0, 0)),
                                       "ＭＳ Ｐゴシック");
    EXPECT_EQ(test::Placement(Version()), real ? (std::vector<LONG>{112, 16, 44, 12}) : (std::vector<LONG>{112, 16, 52, 13}));
    EXPECT_EQ(test::Placement(SiteLink()), real ? (std::vector<LONG>{53, 64, 66, 12}) : (std::vector<LONG>{53, 64, 66, 13}));
    EXPECT_EQ(GetNextDlgTabItem(about.Handle(), nullptr, FALSE), OKButton()) << "first in tab order";
}

// Counts the characters that reach the OK button.
WNDPROC okProcedure = nullptr;
int charactersAtOk = 0;
LRESULT CALLBACK CountCharacters(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) ++charactersAtOk;
    return CallWindowProcA(okProcedure, hwnd, message, wParam, lParam);
}

TEST_F(AboutBoxTest, LayoutFollowsTheDensityOfEachScreenTheUserDragsItTo) {
    struct AtDpi {
        int dpi;
        POINT to;
        std::vector<LONG> client;  // 185 x 148
        std::vector<LONG> panel;   // 8, 8, 169 x 89
        std::vector<LONG> ok;      // 56, 114, 75 x 25
        LONG picture;              // 32 square
        LONG fontHeight;           // -12
    };
    const AtDpi densities[] = {
        {120, {-640, 400}, {231, 185}, {10, 10, 211, 111}, {70, 143, 94, 31}, 40, -15},
        {192, {512, 1000}, {370, 296}, {16, 16, 338, 178}, {112, 228, 150, 50}, 64, -24},
        {144, {512, 300}, {278, 222}, {12, 12, 254, 134}, {84, 171, 113, 38}, 48, -18},
    };
    test::SimulatedScreens screens(test::kDockedLaptop, 96);
    about.Show();  // on the laptop
    for (const AtDpi& at : densities) {
        SCOPED_TRACE(at.dpi);
        screens.Drag(about.Handle(), at.to);
        EXPECT_EQ(ui::screen::BoundsOf(about.Handle()), screens.Suggested()) << "where Windows put it";
        EXPECT_EQ(test::ClientSize(about.Handle()), at.client);
        EXPECT_EQ(test::Placement(Panel1()), at.panel);
        EXPECT_EQ(test::Placement(OKButton()), at.ok);
        ICONINFO icon{};
        GetIconInfo(reinterpret_cast<HICON>(SendMessageA(Image1(), STM_GETICON, 0, 0)), &icon);
        BITMAP mask{};
        GetObjectA(icon.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(mask.bmWidth, at.picture);
        DeleteObject(icon.hbmMask);
        DeleteObject(icon.hbmColor);
        LOGFONTA link{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(SiteLink(), WM_GETFONT, 0, 0)), sizeof link, &link);
        EXPECT_EQ(link.lfHeight, at.fontHeight);
        EXPECT_TRUE(link.lfUnderline) << "the link keeps its own font";
    }
}

TEST_F(AboutBoxTest, EnterPressesOkAndEscClosesWithoutReachingTheFocusedControl) {
    EXPECT_EQ(ShowWith([](void* self) { PostMessageA(Self(self).OKButton(), WM_KEYDOWN, VK_RETURN, 1); }), IDOK);
    EXPECT_FALSE(about.Visible());
    okProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(OKButton(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountCharacters)));
    charactersAtOk = 0;
    EXPECT_EQ(ShowWith([](void* self) {
                  HWND ok = Self(self).OKButton();
                  PostMessageA(ok, WM_CHAR, 'x', 1);  // what the button would see
                  PostMessageA(ok, WM_CHAR, 27, 1);
              }),
              IDCANCEL);
    SetWindowLongPtrA(OKButton(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(okProcedure));
    EXPECT_FALSE(about.Visible());
    EXPECT_EQ(charactersAtOk, 1) << "the x reached the button, the Esc did not";
}

TEST_F(AboutBoxTest, LinkTurnsRedUnderThePointerAndBlueOffIt) {
    about.Show();
    EXPECT_EQ(LinkTextColor(), RGB(0, 0, 255));
    SendMessageA(SiteLink(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(LinkTextColor(), RGB(255, 0, 0));
    SendMessageA(SiteLink(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(LinkTextColor(), RGB(0, 0, 255));
}

// High Contrast Black as Windows gives it: black button face, white button
// text, yellow links.
COLORREF HighContrastBlack(int index) {
    const std::map<int, COLORREF> theme{{COLOR_BTNFACE, 0}, {COLOR_BTNTEXT, 0xFFFFFF}, {COLOR_HOTLIGHT, 0x00FFFF}};
    return theme.count(index) ? theme.at(index) : GetSysColor(index);
}

// Windows tells every window when high contrast goes on or off (the setting)
// and when the colours change. While it is on, the dark inks (black, navy,
// the network's outline 0x000060) are in the button text, and the link in
// the theme's link colour on the button face, under the pointer too.
TEST_F(AboutBoxTest, HighContrastTakesTheThemesColoursWhileItIsOn) {
    about.Show();
    const std::vector<DWORD> drawn = Pictures();
    const auto real = std::exchange(ui::colors::Queries(), {[] { return true; }, &HighContrastBlack});
    SendMessageA(form->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    SendMessageA(about.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    const std::vector<DWORD> shown = Pictures();
    int wrong = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        wrong += shown[i] != (drawn[i] == 0x000000 || drawn[i] == 0x000080 || drawn[i] == 0x000060 ? 0xFFFFFF : drawn[i]);
    EXPECT_EQ(wrong, 0);
    SendMessageA(SiteLink(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    COLORREF ground = 1;
    EXPECT_EQ(LinkTextColor(&ground), RGB(255, 255, 0));
    EXPECT_EQ(ground, RGB(0, 0, 0));
    ui::colors::Queries() = real;
    SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
    SendMessageA(about.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(Pictures(), drawn);
}

// What windows are told of focus cues: Wine keeps no such state.
std::vector<WPARAM> uiStateChanges;
LRESULT CALLBACK RecordUiState(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_CHANGEUISTATE) uiStateChanges.push_back(sent->wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The link's top row of pixels, as the screen shows it.
std::vector<COLORREF> TopRow(HWND link) {
    HDC dc = GetDC(link);
    std::vector<COLORREF> row;
    for (int x = 0; x < 60; ++x) row.push_back(GetPixel(dc, x, 0));
    ReleaseDC(link, dc);
    return row;
}

// OK has the first focus; the first Tab shows focus cues as the dialog
// manager does, and the link draws its focus rectangle; Enter and Space each
// open the site. The box is closed anyway, should the keys miss.
TEST_F(AboutBoxTest, TabTakesTheFocusToTheLinkVisiblyWhereEnterAndSpaceOpenIt) {
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordUiState, nullptr, GetCurrentThreadId());
    ShowWith([](void* self) {
        HWND link = Self(self).SiteLink();
        EXPECT_EQ(GetFocus(), Self(self).OKButton());
        const std::vector<COLORREF> unfocused = TopRow(link);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        test::Pump();
        EXPECT_EQ(GetFocus(), link);
        EXPECT_NE(TopRow(link), unfocused) << "the focus rectangle";
        PostMessageA(link, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(link, WM_KEYDOWN, VK_SPACE, 1);
        test::Pump();
        Self(self).about.Close();
    });
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(shell.Calls().size(), 2u);
    EXPECT_EQ(uiStateChanges, std::vector<WPARAM>{MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS)});
}

struct LinkPresses {
    AboutBoxTest* test;
    std::size_t callsAfterPress = 99;
    bool visibleAfterPress = false;
};

TEST_F(AboutBoxTest, LinkOpensTheSiteOnTheReleaseOverItAndClosesTheBox) {
    LinkPresses presses{this};
    test::Soon soon(
        [](void* context) {
            auto& p = *static_cast<LinkPresses*>(context);
            HWND link = p.test->SiteLink();
            // Released over the link after a press elsewhere: no click.
            SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
            // Pressed, then released off the link: no click.
            SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(-5 & 0xFFFF, 3));
            SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
            p.callsAfterPress = p.test->shell.Calls().size();
            p.visibleAfterPress = p.test->about.Visible();
            SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        },
        &presses);
    about.ShowModal();
    ASSERT_TRUE(soon.Done());
    EXPECT_EQ(presses.callsAfterPress, 0u) << "nothing happens while the button is down";
    EXPECT_TRUE(presses.visibleAfterPress);
    EXPECT_FALSE(about.Visible());
    ASSERT_EQ(shell.Calls().size(), 1u);
    const test::ShellCall& call = shell.Calls()[0];
    EXPECT_EQ(call.owner, about.Handle());
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "https://kelvaro.example/");
    EXPECT_FALSE(call.hasParameters);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.show, SW_SHOW);
    // The shell's ShellExecute needs a COM apartment, which the link's route
    // makes: S_FALSE, there already is one.
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(apartment)) CoUninitialize();
    EXPECT_EQ(apartment, S_FALSE);
}

// The desktop shell starts what the link opens, as the signed-in user: the
// program is its child, not ours (Wine's desktop, explorer.exe, answers the
// shell's ShellExecute as Windows' does). The recording netsh logs its parent.
TEST(ShellExecuteAsDesktopUser, TheDesktopShellStartsTheProgram) {
    test::TempFolder folder;
    ASSERT_TRUE(CopyFileA((test::ExeFolder() + "netsh.exe").c_str(), (folder / "netsh.exe").c_str(), FALSE));
    ui::api::InitializeComOnce();
    ui::ShellExecuteAsDesktopUser(nullptr, "open", (folder / "netsh.exe").c_str(), "-f x.nsh", nullptr, SW_HIDE);
    for (int i = 0; i < 600 && test::ReadText(folder / "netsh.log").empty(); ++i) Sleep(50);
    EXPECT_EQ(test::ReadText(folder / "netsh.log"), "ARGS=[-f x.nsh]\r\n");
    std::string parent = test::ReadText(folder / "parent.log");
    std::transform(parent.begin(), parent.end(), parent.begin(), [](char c) { return static_cast<char>(tolower(c)); });
    EXPECT_NE(parent.find("explorer.exe"), std::string::npos) << parent;
}

}  // namespace
