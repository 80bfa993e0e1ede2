#include "dialogs/settings_dialog.h"

#include <shlobj.h>

#include <iterator>
#include <vector>

#include "launcher/settings_file.h"
#include "resources/layouts.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/system_api.h"

namespace dialogs {
namespace {

namespace lay = layout::settings;
namespace keys = settings_keys;

constexpr char kEsc = 27;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
// Neither push button is a default button: Enter presses only a focused one.
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kBrowseBufferSize = 65535;

}  // namespace

TSettings::TSettings() = default;

TSettings::~TSettings() { Destroy(); }

void TSettings::Create(HWND owner) {
    ui::Form::Style style{text::kSettingsCaption, lay::kDesignBounds, kDialogStyle, WS_EX_DLGMODALFRAME,
                          {text::kFontFace, layout::kFontHeight, layout::kFontCharset}, true, owner};
    style.centerOnFirstShow = true;
    style.controlsAtFirstShow = true;
    style.windowAtFirstUse = true;
    CreateForm(style);
}

void TSettings::CreateControls() {
    // Creation order is tab order; Layout() places them.
    btnSet = ui::Button(CreateControl("BUTTON", text::kSetButton, kPushButton, 0, {}, kBtnSet));
    btnCancel = ui::Button(CreateControl("BUTTON", text::kCancelButton, kPushButton, 0, {}, kBtnCancel));
    Panel1.Create(Handle(), {}, kSettingsPanel1);
    edtDirOpen = ui::Control(
        CreateInPanel("EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kEdtDirOpen));
    btnDirSel1 = ui::Button(CreateInPanel("BUTTON", text::kBrowseButton, kPushButton, 0, kBtnDirSel1));
    chkPrompt = ui::CheckBox(CreateInPanel("BUTTON", text::kPromptCheck, kCheckBox, 0, kChkPrompt));
    chkClose = ui::CheckBox(CreateInPanel("BUTTON", text::kCloseCheck, kCheckBox, 0, kChkClose));
    chkOtherExt = ui::CheckBox(CreateInPanel("BUTTON", text::kOtherExtCheck, kCheckBox, 0, kChkOtherExt));
    chkTop = ui::CheckBox(CreateInPanel("BUTTON", text::kTopCheck, kCheckBox, 0, kChkTop));
    folderLabel_ =
        ui::Control(CreateInPanel("STATIC", text::kLoadFolderLabel, WS_VISIBLE | SS_LEFT, 0, kEdtDirOpenLabel));
    Layout();
}

void TSettings::Layout() {
    SetClientSize(lay::kClientWidth, lay::kClientHeight);
    Place(btnSet.Handle(), lay::kSetButton);
    Place(btnCancel.Handle(), lay::kCancelButton);
    Place(Panel1.Handle(), lay::kPanel);
    Place(edtDirOpen.Handle(), lay::kFolderEdit);
    Place(btnDirSel1.Handle(), lay::kBrowseButton);
    Place(chkPrompt.Handle(), lay::kPromptCheck);
    Place(chkClose.Handle(), lay::kCloseCheck);
    Place(chkOtherExt.Handle(), lay::kOtherExtCheck);
    Place(chkTop.Handle(), lay::kTopCheck);
    // The edit's label: sized to its text, left of the edit and centred on it.
    const SIZE label = ui::TextSize(FontHandle(), text::kLoadFolderLabel);
    const core::Bounds edit = Scale(lay::kFolderEdit);
    SetWindowPos(folderLabel_.Handle(), nullptr, edit.left - Scale(lay::kLabelSpacing) - label.cx,
                 edit.top + (edit.height - label.cy) / 2, label.cx, label.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSettings::DpiChanged() {
    if (ControlsCreated()) Layout();
}

HWND TSettings::CreateInPanel(const char* className, const char* text, DWORD style, DWORD exStyle, int id) {
    return CreateControl(className, text, style, exStyle, {}, id, Panel1.Handle());
}

std::array<ui::CheckBox*, 4> TSettings::SwitchBoxes() { return {&chkPrompt, &chkClose, &chkOtherExt, &chkTop}; }

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
    edtDirOpen.SetText(ini.ReadString(keys::kLoadFolder, launcher::ExeFolder().c_str()));
    const std::array<ui::CheckBox*, 4> boxes = SwitchBoxes();
    static_assert(std::size(keys::kSwitches) == boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->SetChecked(ini.IsOn(keys::kSwitches[i]));
}

void TSettings::StoreControls() {
    launcher::IniFile ini(launcher::SettingsFilePath());
    // A refused write stops here: the keys before it stay written.
    ini.WriteString(keys::kLoadFolder, edtDirOpen.Text());
    const std::array<ui::CheckBox*, 4> boxes = SwitchBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) ini.WriteSwitch(keys::kSwitches[i], boxes[i]->Checked());
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
