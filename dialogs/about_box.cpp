#include "dialogs/about_box.h"

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
    : font_(text::kFontFace, layout::main_form::kFontHeight, SHIFTJIS_CHARSET),
      linkFont_(text::kFontFace, layout::main_form::kFontHeight, SHIFTJIS_CHARSET, true),
      linkColor_(kLinkBlue),
      shellExecute_(&ui::api::ShellExecuteA) {}

TAboutBox::~TAboutBox() {
    Destroy();  // the picture control shows the icon, the labels use the fonts
    if (picture_) DestroyIcon(picture_);
}

void TAboutBox::Create(HWND owner) {
    ui::Form::Style style{text::kAboutCaption, lay::kDesignBounds, kDialogStyle, WS_EX_DLGMODALFRAME, font_.Handle(),
                          true, owner};
    style.centerOnFirstShow = true;
    style.controlsAtFirstShow = true;
    CreateForm(style);
}

void TAboutBox::CreateControls() {
    SetClientSize(lay::kClientWidth, lay::kClientHeight);
    Panel1.Create(Handle(), lay::kPanel, kAboutPanel1);
    CreateLabel(text::kProductName, lay::kProductName, kProductName, 0, font_.Handle());
    CreateLabel(text::kCopyright, lay::kCopyright, kCopyright, 0, font_.Handle());
    HWND ok = CreateControl("BUTTON", text::kOkButton, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, lay::kOkButton,
                            kOKButton);
    SetDefaultButton(ok);
    CreateLabel(text::kVersion, lay::kVersion, kVersion, 0, font_.Handle());
    SiteLink.Attach(CreateLabel(text::kSiteLink, lay::kSiteLink, kSiteLink, SS_NOTIFY, linkFont_.Handle()));
    SiteLink.OnMouseEnter = [this] { SiteLinkMouseEnter(); };
    SiteLink.OnMouseLeave = [this] { SiteLinkMouseLeave(); };
    SiteLink.OnClick = [this] { SiteLinkClick(); };
    // The picture is the icon's drawing; an icon draws it through its mask.
    picture_ = ui::CreateIcon(art::IconLarge());
    HWND image = CreateControl("STATIC", nullptr, WS_VISIBLE | SS_ICON, 0, lay::kImage, kImage1, Panel1.Handle());
    SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(picture_), 0);
}

HWND TAboutBox::CreateLabel(const char* text, core::Point at, int id, DWORD extraStyle, HFONT font) {
    SIZE size = ui::TextSize(font, text);
    HWND label = CreateControl("STATIC", text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX | extraStyle, 0,
                               {at.x, at.y, size.cx, size.cy}, id, Panel1.Handle());
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
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
    // Whatever the shell answers, the box closes: there is nothing to report.
    shellExecute_(Handle(), "open", text::kSiteAddress, nullptr, nullptr, SW_SHOW);
    Close();
}

}  // namespace dialogs
