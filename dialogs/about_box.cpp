#include "dialogs/about_box.h"

#include "resources/layouts.h"
#include "resources/texts.h"

namespace dialogs {
namespace {

constexpr char kEsc = 27;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

TAboutBox::TAboutBox() : font_(text::kFontFace, layout::main_form::kFontHeight, SHIFTJIS_CHARSET) {}

void TAboutBox::Create(HWND owner) {
    CreateForm({text::kAboutCaption, layout::about::kDesignBounds, kDialogStyle, WS_EX_DLGMODALFRAME,
                font_.Handle(), true, owner});
    SetClientSize(layout::about::kClientWidth, layout::about::kClientHeight);
}

void TAboutBox::FormKeyPress(char& key) {
    if (key != kEsc) return;
    key = 0;
    Close();
}

}  // namespace dialogs
