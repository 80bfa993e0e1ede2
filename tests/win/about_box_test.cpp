// The about box: layout, keys, the link's colours and its click.
#include "dialogs/about_box.h"

#include <gtest/gtest.h>

#include "resources/texts.h"
#include "tests/win/main_form_fixture.h"

namespace {

class AboutBoxTest : public MainFormTest {
 public:
    void SetUp() override {
        MainFormTest::SetUp();
        Create();
        about.Create(form->Handle());
        about.SetShellExecute(&test::ShellCalls::Execute);
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
    static AboutBoxTest& Self(void* context) { return *static_cast<AboutBoxTest*>(context); }
    // The colour the link's text is drawn in now.
    COLORREF LinkTextColor() {
        HDC dc = GetDC(about.SiteLink.Handle());
        SendMessageA(about.Panel1.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(about.SiteLink.Handle()));
        COLORREF color = GetTextColor(dc);
        ReleaseDC(about.SiteLink.Handle(), dc);
        return color;
    }

    dialogs::TAboutBox about;
    test::ShellCalls shell;
};

TEST_F(AboutBoxTest, Layout) {
    about.Show();  // the controls are made at the first showing
    EXPECT_EQ(test::ClientSize(about.Handle()), (std::vector<LONG>{185, 148}));
    EXPECT_EQ(test::Placement(about.Panel1.Handle()), (std::vector<LONG>{8, 8, 169, 89}));
    EXPECT_EQ(test::Placement(about.OKButton.Handle()), (std::vector<LONG>{56, 114, 75, 25}));
    EXPECT_EQ(test::Placement(about.Image1.Handle()), (std::vector<LONG>{13, 16, 32, 32}));
    auto place = [&](HWND label) {
        std::vector<LONG> r = test::Placement(label);
        return std::vector<LONG>{r[0], r[1]};
    };
    EXPECT_EQ(place(about.ProductName.Handle()), (std::vector<LONG>{56, 16}));
    EXPECT_EQ(place(about.Version.Handle()), (std::vector<LONG>{112, 16}));
    EXPECT_EQ(place(about.Copyright.Handle()), (std::vector<LONG>{56, 36}));
    EXPECT_EQ(place(about.SiteLink.Handle()), (std::vector<LONG>{53, 64}));
    // Every label whole inside the panel's bevels (1 pixel each, so x 2 to 167).
    for (HWND label : {about.ProductName.Handle(), about.Version.Handle(), about.Copyright.Handle(),
                       about.SiteLink.Handle()}) {
        std::vector<LONG> r = test::Placement(label);
        EXPECT_LE(r[0] + r[2], 169 - 2) << ui::Control(label).Text();
        EXPECT_LE(r[1] + r[3], 89 - 2) << ui::Control(label).Text();
    }
    EXPECT_EQ(about.Version.Text(), "Ver 0.3.0");
    EXPECT_EQ(ui::Control(about.SiteLink.Handle()).Text(), text::kSiteLink);
    EXPECT_EQ(GetNextDlgTabItem(about.Handle(), nullptr, FALSE), about.OKButton.Handle()) << "the only tab stop";
    EXPECT_EQ(GetNextDlgTabItem(about.Handle(), about.OKButton.Handle(), FALSE), about.OKButton.Handle());
}

TEST_F(AboutBoxTest, EnterPressesOkAndEscClosesFromAnyWhere) {
    EXPECT_EQ(ShowWith([](void* self) {
                  PostMessageA(Self(self).about.OKButton.Handle(), WM_KEYDOWN, VK_RETURN, 1);
              }),
              IDOK);
    EXPECT_FALSE(about.Visible());
    EXPECT_EQ(ShowWith([](void* self) { PostMessageA(Self(self).about.SiteLink.Handle(), WM_CHAR, 27, 1); }),
              IDCANCEL);
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(shell.Calls().empty()) << "Esc reached no control";
}

TEST_F(AboutBoxTest, LinkTurnsRedUnderThePointerAndBlueOffIt) {
    about.Show();
    EXPECT_EQ(LinkTextColor(), RGB(0, 0, 255));
    SendMessageA(about.SiteLink.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(LinkTextColor(), RGB(255, 0, 0));
    SendMessageA(about.SiteLink.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(LinkTextColor(), RGB(0, 0, 255));
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(about.SiteLink.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
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
            HWND link = p.test->about.SiteLink.Handle();
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
    EXPECT_EQ(call.file, text::kSiteAddress);
    EXPECT_FALSE(call.hasParameters);
    EXPECT_FALSE(call.hasDirectory);
    EXPECT_EQ(call.show, SW_SHOW);
}

TEST_F(AboutBoxTest, FirstShowingCentredLaterOnesWhereLeft) {
    RECT first{}, second{};
    ShowWith([](void* self) {
        HWND box = Self(self).about.Handle();
        SetWindowPos(box, nullptr, 30, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PostMessageA(box, WM_CHAR, 27, 1);
    });
    GetWindowRect(about.Handle(), &second);
    (void)first;
    EXPECT_EQ(second.left, 30);
    EXPECT_EQ(second.top, 20);
    ShowWith([](void* self) { PostMessageA(Self(self).about.Handle(), WM_CHAR, 27, 1); });
    GetWindowRect(about.Handle(), &second);
    EXPECT_EQ(second.left, 30) << "where it was left";
}

}  // namespace
