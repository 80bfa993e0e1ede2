#include "dialogs/about_box.h"

#include <utility>

#include "core/pixel_art.h"
#include "resources/layouts.h"
#include "resources/texts.h"
#include "ui/picture_bitmaps.h"
#include "ui/system_api.h"
#include "ui/system_colors.h"

namespace dialogs {
namespace {

namespace lay = layout::about;

constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kLinkRed = RGB(255, 0, 0);

// In the order the box declares them, but OK first: first in tab order, it
// takes the first focus, and the link follows it. The labels size themselves
// to their text.
constexpr ui::Dialog::ControlSpec kControls[] = {
    {kOKButton, "BUTTON", text::kOkButton, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, false, lay::kOkButton},
    {kAboutPanel1, nullptr, nullptr, 0, 0, false, lay::kPanel},
    {kProductName, "STATIC", text::kProductName, kLabel, 0, true, {lay::kProductName.x, lay::kProductName.y}},
    {kCopyright, "STATIC", text::kCopyright, kLabel, 0, true, {lay::kCopyright.x, lay::kCopyright.y}},
    {kVersion, "STATIC", text::kVersion, kLabel, 0, true, {lay::kVersion.x, lay::kVersion.y}},
    {kSiteLink, "STATIC", text::kSiteLink, kLabel | SS_NOTIFY | WS_TABSTOP, 0, true,
     {lay::kSiteLink.x, lay::kSiteLink.y}},
    {kImage1, "STATIC", nullptr, WS_VISIBLE | SS_ICON, 0, true, lay::kImage},
};

}  // namespace

TAboutBox::TAboutBox()
    : linkColor_(kLinkBlue),
      shellExecute_(&ui::ShellExecuteAsDesktopUser) {}

TAboutBox::~TAboutBox() {
    Destroy();  // the picture control shows the icon
}

void TAboutBox::Create(HWND owner) {
    CreateDialogForm(text::kAboutCaption, lay::kDesignBounds, layout::kFont, owner);
}

void TAboutBox::CreateControls() {
    MakeControls(kControls, Panel1);
    SetDefaultButton(Item(kOKButton));
    const HFONT linkFont = AddFont(layout::kLinkFont);
    SendMessageA(Item(kSiteLink), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont), FALSE);
    SiteLink.Attach(Item(kSiteLink));
    SiteLink.OnMouseEnter = [this] { SiteLinkMouseEnter(); };
    SiteLink.OnMouseLeave = [this] { SiteLinkMouseLeave(); };
    SiteLink.OnClick = [this] { SiteLinkClick(); };
    Layout();
}

void TAboutBox::Layout() {
    SetClientSize(lay::kClientWidth, lay::kClientHeight);
    PlaceControls(kControls);
    ApplyPicture();
}

// The icon's drawing, at the density and in the colours the system asks for;
// an icon draws it through its mask.
void TAboutBox::ApplyPicture() {
    ui::Icon picture = ui::CreateIcon(core::art::IconLarge(), Scale(lay::kImage.width), ui::colors::PicturePalette());
    SendMessageA(Item(kImage1), STM_SETICON, reinterpret_cast<WPARAM>(picture.Get()), 0);
    picture_ = std::move(picture);  // the control has let the old one go
}

void TAboutBox::DpiChanged() {
    if (ControlsCreated()) Layout();
}

void TAboutBox::ColorsChanged() {
    if (!ControlsCreated()) return;
    ApplyPicture();
    InvalidateRect(SiteLink.Handle(), nullptr, TRUE);
}

void TAboutBox::ControlCommand(int id, int code) {
    if (id == kOKButton && code == BN_CLICKED) OKButtonClick();
}

// In high contrast the theme's link colour on the panel's, which the theme
// keeps legible together, and no colour of its own under the pointer.
HBRUSH TAboutBox::ControlColor(HWND control, HDC dc) {
    if (control != SiteLink.Handle()) return nullptr;
    const bool contrast = ui::colors::HighContrast();
    const int ground = contrast ? COLOR_BTNFACE : COLOR_3DLIGHT;
    SetTextColor(dc, contrast ? ui::colors::Color(COLOR_HOTLIGHT) : linkColor_);
    SetBkColor(dc, ui::colors::Color(ground));
    return GetSysColorBrush(ground);
}

void TAboutBox::OKButtonClick() { EndModal(IDOK); }

void TAboutBox::SiteLinkMouseEnter() {
    linkColor_ = kLinkRed;
    InvalidateRect(SiteLink.Handle(), nullptr, TRUE);
}

void TAboutBox::SiteLinkMouseLeave() {
    linkColor_ = kLinkBlue;
    InvalidateRect(SiteLink.Handle(), nullptr, TRUE);
}

void TAboutBox::SiteLinkClick() {
    ui::api::InitializeComOnce();  // the shell's ShellExecute needs it
    // Whatever the shell answers, the box closes: there is nothing to report.
    shellExecute_(Handle(), "open", text::kSiteAddress, nullptr, nullptr, SW_SHOW);
    Close();
}

}  // namespace dialogs
