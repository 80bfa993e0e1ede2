#include "dialogs/settings_dialog.h"

#include <shlobj.h>

#include <vector>

#include "launcher/ini_values.h"
#include "launcher/settings_file.h"
#include "resources/layouts.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/system_api.h"

namespace dialogs {
namespace {

namespace lay = layout::settings;

constexpr char kEsc = 27;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Neither push button is a default button: Enter presses only a focused one.
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kBrowseBufferSize = 65535;

// The switches: control, key and the value assumed when the key is missing.
struct Switch {
    ui::CheckBox TSettings::*box;
    const char* key;
    const char* fallback;
};
constexpr Switch kSwitches[] = {
    {&TSettings::chkPrompt, "Dos", "1"},
    {&TSettings::chkClose, "Close", "0"},
    {&TSettings::chkOtherExt, "OtherExt", "0"},
    {&TSettings::chkTop, "Top", "0"},
};

}  // namespace

TSettings::TSettings() : font_(text::kFontFace, layout::main_form::kFontHeight, SHIFTJIS_CHARSET) {}

void TSettings::Create(HWND owner) {
    ui::Form::Style style{text::kSettingsCaption, lay::kDesignBounds, kDialogStyle, WS_EX_DLGMODALFRAME,
                          font_.Handle(), true, owner};
    style.centerOnFirstShow = true;
    style.controlsAtFirstShow = true;
    CreateForm(style);
}

void TSettings::CreateControls() {
    SetClientSize(lay::kClientWidth, lay::kClientHeight);
    // Creation order is tab order.
    btnSet = ui::Button(CreateControl("BUTTON", text::kSetButton, kPushButton, 0, lay::kSetButton, kBtnSet));
    btnCancel =
        ui::Button(CreateControl("BUTTON", text::kCancelButton, kPushButton, 0, lay::kCancelButton, kBtnCancel));
    Panel1.Create(Handle(), lay::kPanel);
    edtDirOpen = ui::Control(CreateInPanel("EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                           lay::kFolderEdit, kEdtDirOpen));
    btnDirSel1 = ui::Button(CreateInPanel("BUTTON", text::kBrowseButton, kPushButton, 0, lay::kBrowseButton, kBtnDirSel1));
    chkPrompt = ui::CheckBox(CreateInPanel("BUTTON", text::kPromptCheck, kCheckBox, 0, lay::kPromptCheck, kChkPrompt));
    chkClose = ui::CheckBox(CreateInPanel("BUTTON", text::kCloseCheck, kCheckBox, 0, lay::kCloseCheck, kChkClose));
    chkOtherExt =
        ui::CheckBox(CreateInPanel("BUTTON", text::kOtherExtCheck, kCheckBox, 0, lay::kOtherExtCheck, kChkOtherExt));
    chkTop = ui::CheckBox(CreateInPanel("BUTTON", text::kTopCheck, kCheckBox, 0, lay::kTopCheck, kChkTop));
    // The edit's label: sized to its text, left of the edit and centred on it.
    SIZE label = ui::TextSize(font_.Handle(), text::kLoadFolderLabel);
    const RECT& edit = lay::kFolderEdit;
    int left = edit.left - lay::kLabelSpacing - label.cx;
    int top = edit.top + (edit.bottom - edit.top - label.cy) / 2;
    edtDirOpenLabel = ui::Control(CreateInPanel("STATIC", text::kLoadFolderLabel, WS_VISIBLE | SS_LEFT, 0,
                                                layout::At(left, top, label.cx, label.cy), 0));
}

HWND TSettings::CreateInPanel(const char* className, const char* text, DWORD style, DWORD exStyle,
                              const RECT& bounds, int id) {
    return CreateControl(className, text, style, exStyle, bounds, id, Panel1.Handle());
}

void TSettings::FormShow() { LoadControls(); }

void TSettings::FormKeyPress(char& key) {
    if (key != kEsc) return;
    key = 0;
    Close();
}

void TSettings::ControlCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case kBtnSet: btnSetClick(); break;
    case kBtnCancel: btnCancelClick(); break;
    case kBtnDirSel1: btnDirSel1Click(); break;
    default: break;
    }
}

void TSettings::LoadControls() {
    launcher::IniFile ini(launcher::SettingsFilePath());
    edtDirOpen.SetText(ini.ReadString("DIR", "LoadFolder", launcher::ExeFolder().c_str()));
    for (const Switch& item : kSwitches)
        (this->*item.box).SetChecked(ini_values::IsOn(ini.ReadString("CHECKBOX", item.key, item.fallback)));
}

void TSettings::StoreControls() {
    launcher::IniFile ini(launcher::SettingsFilePath());
    ini.WriteString("DIR", "LoadFolder", edtDirOpen.Text());
    for (const Switch& item : kSwitches)
        ini.WriteString("CHECKBOX", item.key, ini_values::SwitchText((this->*item.box).Checked()));
}

void TSettings::BrowseLoadFolder() {
    ui::api::InitializeComOnce();
    const std::string fallback = edtDirOpen.Text();
    std::vector<char> buffer(kBrowseBufferSize, '\0');
    BROWSEINFOA browse{};
    browse.hwndOwner = Handle();
    browse.pszDisplayName = buffer.data();
    browse.lpszTitle = text::kBrowseTitle;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    std::string chosen = fallback;
    if (LPITEMIDLIST item = ui::api::SHBrowseForFolderA(&browse)) {
        // An item without a file-system path keeps the text as it was.
        if (ui::api::SHGetPathFromIDListA(item, buffer.data())) chosen = buffer.data();
        ui::api::CoTaskMemFree(item);
    }
    edtDirOpen.SetText(chosen);
}

void TSettings::btnSetClick() {
    ui::Application& app = ui::Application::Instance();
    const DWORD attributes = GetFileAttributesA(edtDirOpen.Text().c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        app.ShowMessageBox(text::kInvalidFolder, text::kErrorCaption, MB_OK);
        return;
    }
    if (app.ShowMessageBox(text::kSaveConfirm, text::kSaveConfirmCaption, MB_OKCANCEL) != IDOK) return;
    StoreControls();
    Close();
}

void TSettings::btnCancelClick() { Close(); }

void TSettings::btnDirSel1Click() { BrowseLoadFolder(); }

}  // namespace dialogs
