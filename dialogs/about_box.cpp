#include "dialogs/about_box.h"

#include <utility>

#include "core/pixel_art.h"
#include "resources/layouts.h"
#include "resources/texts.h"
#include "ui/picture_bitmaps.h"
#include "ui/system_api.h"

namespace dialogs {
namespace {

namespace lay = layout::about;

constexpr char kEsc = 27;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kLinkRed = RGB(255, 0, 0);

}  // namespace

TAboutBox::TAboutBox()
    : linkColor_(kLinkBlue),
      shellExecute_(&ui::ShellExecuteAsDesktopUser) {}

TAboutBox::~TAboutBox() {
    Destroy();  // the picture control shows the icon
}

void TAboutBox::Create(HWND owner) {
    ui::Form::Style style{text::kAboutCaption, lay::kDesignBounds, kDialogStyle, WS_EX_DLGMODALFRAME,
                          {text::kFontFace, layout::kFontHeight, layout::kFontCharset}, true, owner};
    style.centerOnFirstShow = true;
    style.controlsAtFirstShow = true;
    style.windowAtFirstUse = true;
    CreateForm(style);
}

void TAboutBox::CreateControls() {
    // Declaration order; Layout() places them.
    Panel1.Create(Handle(), {}, kAboutPanel1);
    CreateLabel(text::kProductName, kProductName, 0, FontHandle());
    CreateLabel(text::kCopyright, kCopyright, 0, FontHandle());
    HWND ok = CreateControl("BUTTON", text::kOkButton, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {}, kOKButton);
    SetDefaultButton(ok);
    CreateLabel(text::kVersion, kVersion, 0, FontHandle());
    const HFONT linkFont = AddFont({text::kFontFace, layout::kFontHeight, layout::kFontCharset, true});
    SiteLink.Attach(CreateLabel(text::kSiteLink, kSiteLink, SS_NOTIFY, linkFont));
    SiteLink.OnMouseEnter = [this] { SiteLinkMouseEnter(); };
    SiteLink.OnMouseLeave = [this] { SiteLinkMouseLeave(); };
    SiteLink.OnClick = [this] { SiteLinkClick(); };
    CreateControl("STATIC", nullptr, WS_VISIBLE | SS_ICON, 0, {}, kImage1, Panel1.Handle());
    Layout();
}

HWND TAboutBox::CreateLabel(const char* text, int id, DWORD extraStyle, HFONT font) {
    HWND label = CreateControl("STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX | extraStyle, 0, {}, id,
                               Panel1.Handle());
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

void TAboutBox::Layout() {
    SetClientSize(lay::kClientWidth, lay::kClientHeight);
    Place(Panel1.Handle(), lay::kPanel);
    Place(GetDlgItem(Handle(), kOKButton), lay::kOkButton);
    const std::pair<int, core::Point> labels[] = {
        {kProductName, lay::kProductName}, {kCopyright, lay::kCopyright},
        {kVersion, lay::kVersion},         {kSiteLink, lay::kSiteLink}};
    for (const auto& [id, at] : labels) PlaceLabel(GetDlgItem(Panel1.Handle(), id), at);
    // The picture is the icon's drawing, at the density; an icon draws it through its mask.
    HWND image = GetDlgItem(Panel1.Handle(), kImage1);
    Place(image, lay::kImage);
    ui::Icon picture = ui::CreateIcon(art::IconLarge(), Scale(lay::kImage.width));
    SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(picture.Get()), 0);
    picture_ = std::move(picture);  // the control has let the old one go
}

// A label sizes itself to its text, in the font it draws with.
void TAboutBox::PlaceLabel(HWND label, core::Point at) {
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
    const SIZE size = ui::TextSize(font, ui::Control(label).Text());
    SetWindowPos(label, nullptr, Scale(at.x), Scale(at.y), size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAboutBox::DpiChanged() {
    if (ControlsCreated()) Layout();
}

void TAboutBox::FormKeyPress(char& key) {
    if (key != kEsc) return;
    key = 0;
    Close();
}

void TAboutBox::ControlCommand(int id, int code) {
    if (id == kOKButton && code == BN_CLICKED) OKButtonClick();
}

HBRUSH TAboutBox::ControlColor(HWND control, HDC dc) {
    if (control != SiteLink.Handle()) return nullptr;
    SetTextColor(dc, linkColor_);
    SetBkColor(dc, GetSysColor(COLOR_3DLIGHT));
    return GetSysColorBrush(COLOR_3DLIGHT);
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
