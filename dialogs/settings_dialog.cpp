#include "dialogs/settings_dialog.h"

#include "resources/layouts.h"
#include "resources/texts.h"

namespace dialogs {
namespace {

constexpr char kEsc = 27;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

}  // namespace

TSettings::TSettings() : font_(text::kFontFace, layout::main_form::kFontHeight, SHIFTJIS_CHARSET) {}

void TSettings::Create(HWND owner) {
    CreateForm({text::kSettingsCaption, layout::settings::kDesignBounds, kDialogStyle, WS_EX_DLGMODALFRAME,
                font_.Handle(), true, owner});
    SetClientSize(layout::settings::kClientWidth, layout::settings::kClientHeight);
}

void TSettings::FormKeyPress(char& key) {
    if (key != kEsc) return;
    key = 0;
    Close();
}

}  // namespace dialogs
