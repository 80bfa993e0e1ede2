#include "launcher/main_form.h"

#include <utility>

#include "core/pixel_art.h"
#include "resources/layouts.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/picture_bitmaps.h"
#include "ui/screen.h"
#include "ui/system_api.h"
#include "ui/system_colors.h"

namespace launcher {
namespace {

namespace lay = layout::main_form;

// The messages of a drop from Explorer: with 0x0049 (WM_COPYGLOBALDATA) the
// shell copies the dropped names into the window's process.
constexpr UINT kDropMessages[] = {WM_DROPFILES, WM_COPYDATA, 0x0049};
constexpr DWORD kMessageFilterAllow = 1;  // MSGFLT_ALLOW

}  // namespace

// Left to right; separators are 8 pixels wide, buttons 23.
const TMainForm::ToolButton TMainForm::kToolButtons[] = {
    {kToolBtnOpen, 0, text::kHintOpen},
    {kToolBtnSave, 1, text::kHintSave},
    {},
    {kToolBtnExec, 2, text::kHintExec},
    {},
    {kToolBtnTop, kImageUnpinned, text::kHintPin},
    {},
    {kToolBtnSettings, 3, text::kHintSettings},
    {},
    {kToolBtnAbout, 4, text::kHintAbout},
};

// What each command runs, from its button, its key or its menu entry alike.
const TMainForm::Handler TMainForm::kHandlers[] = {
    {kToolBtnOpen, &TMainForm::ToolBtnOpenClick},
    {kToolBtnSave, &TMainForm::ToolBtnSaveClick},
    {kToolBtnExec, &TMainForm::ToolBtnExecClick},
    {kToolBtnTop, &TMainForm::ToolBtnTopClick},
    {kToolBtnSettings, &TMainForm::ToolBtnSettingsClick},
    {kToolBtnAbout, &TMainForm::ToolBtnAboutClick},
    {kRefresh, &TMainForm::RefreshLoadFolder},
};

// The system menu's entries, for the keyboard. Plain letters are the list's
// (it selects by the typed letter), and Ctrl+M and Ctrl+[ type Enter and Esc;
// the access keys are none of the system's own (R, M, S, N, X, C).
const ui::Form::Command TMainForm::kMenuCommands[] = {
    {kToolBtnOpen, text::kHintOpen, 'O', {FCONTROL, 'O'}},
    {kToolBtnSave, text::kHintSave, 'D', {FCONTROL, 'S'}},
    {kRefresh, text::kMenuRefresh, 'F', {0, VK_F5}},
    {kToolBtnTop, text::kHintPin, 'T', {FCONTROL, 'T'}},
    {kToolBtnSettings, text::kHintSettings, 'E', {}},
    {kToolBtnAbout, text::kHintAbout, 'A', {}},
};

TMainForm::TMainForm()
    : OpenDialog1(ui::FileDialog::Kind::Open, text::kFilterOpen),
      SaveDialog1(ui::FileDialog::Kind::Save, text::kFilterSave),
      commandLine_(GetCommandLineW()) {}

TMainForm::~TMainForm() {
    Destroy();  // the tool bar draws with the image list, the frame with the icons
}

void TMainForm::Create() {
    // Made once, at 96 dpi; they belong to the window class for the rest of
    // the process. Other densities give the window icons of their own sizes.
    static const HICON iconLarge = ui::CreateIcon(core::art::IconLarge(), core::art::IconLarge().width).Release();
    static const HICON iconSmall = ui::CreateIcon(core::art::IconSmall(), core::art::IconSmall().width).Release();
    CreateForm({.caption = text::kAppTitle,
                .bounds = lay::kDesignBounds,
                .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                .exStyle = WS_EX_ACCEPTFILES,  // DragAcceptFiles, without loading shell32 at start-up
                .font = layout::kFont,
                .className = kClassName,
                .icon = iconLarge,
                .smallIcon = iconSmall});
}

void TMainForm::SetDialogs(dialogs::TSettings* settings, ui::Form* aboutBox) {
    settings_ = settings;
    aboutBox_ = aboutBox;
}

void TMainForm::CreateControls() {
    SetMinSize(lay::kMinWidth, lay::kMinHeight);
    // The list comes first so that it is first in tab order.
    CreateList();
    CreateToolBar();
    AddCommands(kMenuCommands);
    LayOutClient();
}

ui::ImageList TMainForm::CreateToolImages() const {
    const core::art::Picture* pictures[core::art::kToolImageCount];
    for (int i = 0; i < core::art::kToolImageCount; ++i) pictures[i] = &core::art::ToolImage(i);
    return ui::CreateImageList(pictures, core::art::kToolImageCount, Scale(core::art::kToolImageSize),
                               ui::colors::PicturePalette());
}

SIZE TMainForm::ButtonSize() const { return {Scale(lay::kButtonWidth), Scale(lay::kButtonHeight)}; }

void TMainForm::CreateToolBar() {
    images_ = CreateToolImages();
    toolBar_.Create(Handle(), kToolBar1, text::kToolBarName, images_.Get(), ButtonSize(),
                    {lay::kTipDelayMs, lay::kTipShownMs}, FontHandle());
    for (const ToolButton& button : kToolButtons) {
        if (button.command == 0) toolBar_.AddSeparator(Scale(lay::kSeparatorWidth));
        else toolBar_.AddButton(button.command, button.image, button.hint);
    }
}

// Every button on one row: the buttons and separators side by side.
int TMainForm::LeastClientWidth(int dpi) const {
    int width = 0;
    for (const ToolButton& button : kToolButtons)
        width += core::ScaleToDpi(button.command ? lay::kButtonWidth : lay::kSeparatorWidth, dpi);
    return width;
}

void TMainForm::CreateList() {
    list_.Attach(CreateControl("LISTBOX", nullptr, ui::ListBox::kStyle, WS_EX_CLIENTEDGE, {}, kHScrollListbox1));
    // The font reaches the list once it is attached, so that it measures in it.
    SendMessageA(list_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    list_.SetItemHeight(Scale(lay::kListItemHeight));
    list_.SetAnnotation({.name = text::kListName});  // a list box takes its name from a label, and has none
}

void TMainForm::ClientResized(int width, int height) {
    const int barHeight = Scale(lay::kToolBarHeight);
    SetWindowPos(toolBar_.Handle(), nullptr, 0, 0, width, barHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    int listHeight = height > barHeight ? height - barHeight : 0;
    SetWindowPos(list_.Handle(), nullptr, 0, barHeight, width, listHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::ApplyToolImages() {
    ui::ImageList images = CreateToolImages();
    toolBar_.SetMetrics(images.Get(), ButtonSize(), Scale(lay::kSeparatorWidth));
    images_ = std::move(images);  // the bar has let the old list go
}

void TMainForm::DpiChanged() {
    if (!ControlsCreated()) return;  // made with the window, at its density
    ApplyToolImages();
    list_.SetItemHeight(Scale(lay::kListItemHeight));  // the new font reset it
    ApplyIcons();
}

// The frame's icons at the sizes the density asks for (the class's are 96 dpi's).
void TMainForm::ApplyIcons() {
    const int sizes[] = {ui::screen::Metric(SM_CXICON, Dpi()), ui::screen::Metric(SM_CXSMICON, Dpi())};
    const WPARAM kinds[] = {ICON_BIG, ICON_SMALL};
    for (int i = 0; i < 2; ++i) {
        ui::Icon icon = ui::CreateIcon(core::art::IconDrawing(sizes[i]), sizes[i]);
        SendMessageA(Handle(), WM_SETICON, kinds[i], reinterpret_cast<LPARAM>(icon.Get()));
        windowIcons_[i] = std::move(icon);  // the frame has let the old one go
    }
}

void TMainForm::FormCreate() {
    if (Dpi() != core::kDesignDpi) ApplyIcons();
    AcceptDropsFromExplorer();
    LoadFormPosition();
    LoadSettings();
}

// Run as administrator, the window has a higher integrity than Explorer, and
// Windows drops the messages of a drop that come from there unless the
// window lets them in; it lets in those alone.
void TMainForm::AcceptDropsFromExplorer() {
    if (!ui::api::changeWindowMessageFilterEx) return;
    for (UINT message : kDropMessages)
        ui::api::changeWindowMessageFilterEx(Handle(), message, kMessageFilterAllow, nullptr);
}

void TMainForm::ColorsChanged() {
    ApplyToolImages();
    InvalidateRect(toolBar_.Handle(), nullptr, TRUE);
}

void TMainForm::ControlCommand(int id, int code) {
    if (id == kHScrollListbox1) {
        if (code == LBN_DBLCLK) HScrollListbox1DblClick();
        return;
    }
    CommandChosen(id);  // a tool button's
}

void TMainForm::CommandChosen(int id) {
    for (const Handler& handler : kHandlers)
        if (handler.command == id) (this->*handler.run)();
}

void TMainForm::KeyPress(HWND target, char& key) {
    if (target == list_.Handle()) HScrollListbox1KeyPress(key);
    if (key) Form::KeyPress(target, key);
}

}  // namespace launcher
