#include "dialogs/settings_dialog.h"

#include <shlobj.h>

#include <iterator>
#include <vector>

#include "resources/layouts.h"
#include "resources/texts.h"
#include "ui/application.h"
#include "ui/system_api.h"

namespace dialogs {
namespace {

namespace lay = layout::settings;

// Neither push button is a default button: Enter presses only a focused one.
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kBrowseBufferSize = 65535;

// Creation order is tab order. The edit's label comes just before it: not a
// tab stop itself, it is the name accessibility clients give the edit.
constexpr ui::Dialog::ControlSpec kControls[] = {
    {kBtnSet, "BUTTON", text::kSetButton, kPushButton, 0, false, lay::kSetButton},
    {kBtnCancel, "BUTTON", text::kCancelButton, kPushButton, 0, false, lay::kCancelButton},
    {kSettingsPanel1, nullptr, nullptr, 0, 0, false, lay::kPanel},
    // Sized to its text; Layout() puts it beside the edit.
    {kEdtDirOpenLabel, "STATIC", text::kLoadFolderLabel, WS_VISIBLE | SS_LEFT, 0, true, {}},
    {kEdtDirOpen, "EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true, lay::kFolderEdit},
    {kBtnDirSel1, "BUTTON", text::kBrowseButton, kPushButton, 0, true, lay::kBrowseButton},
    {kChkPrompt, "BUTTON", text::kPromptCheck, kCheckBox, 0, true, lay::kPromptCheck},
    {kChkClose, "BUTTON", text::kCloseCheck, kCheckBox, 0, true, lay::kCloseCheck},
    {kChkOtherExt, "BUTTON", text::kOtherExtCheck, kCheckBox, 0, true, lay::kOtherExtCheck},
    {kChkTop, "BUTTON", text::kTopCheck, kCheckBox, 0, true, lay::kTopCheck},
};

// Which setting each check box shows.
struct SwitchBox {
    int id;
    bool core::Settings::*field;
};
constexpr SwitchBox kSwitchBoxes[] = {
    {kChkPrompt, &core::Settings::showPrompt},
    {kChkClose, &core::Settings::closeAfterRun},
    {kChkOtherExt, &core::Settings::otherExtensions},
    {kChkTop, &core::Settings::startPinned},
};

}  // namespace

TSettings::~TSettings() { Destroy(); }

void TSettings::Create(HWND owner) {
    CreateDialogForm(text::kSettingsCaption, lay::kDesignBounds, layout::kFont, owner);
}

void TSettings::CreateControls() {
    MakeControls(kControls, Panel1);
    btnDirSel1Name_.Attach(Item(kBtnDirSel1), {.name = text::kBrowseName});  // its text, "...", names nothing
    Layout();
}

void TSettings::Layout() {
    SetClientSize(lay::kClientWidth, lay::kClientHeight);
    PlaceControls(kControls);
    // The edit's label: left of the edit and centred on it.
    HWND label = Item(kEdtDirOpenLabel);
    RECT size;
    GetWindowRect(label, &size);
    const core::Bounds edit = Scale(lay::kFolderEdit);
    const int width = size.right - size.left, height = size.bottom - size.top;
    SetWindowPos(label, nullptr, edit.left - Scale(lay::kLabelSpacing) - width, edit.top + (edit.height - height) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSettings::DpiChanged() {
    if (ControlsCreated()) Layout();
}

int TSettings::Edit(const core::Settings& shown, const Store& store) {
    shown_ = shown;
    store_ = store;
    return ShowModal();
}

void TSettings::FormShow() { LoadControls(); }

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
    edtDirOpen().SetText(shown_.loadFolder);
    for (const SwitchBox& box : kSwitchBoxes) ui::CheckBox(Item(box.id)).SetChecked(shown_.*box.field);
}

core::Settings TSettings::ControlValues() const {
    core::Settings values;
    values.loadFolder = edtDirOpen().ExactText().text;
    for (const SwitchBox& box : kSwitchBoxes) values.*box.field = ui::CheckBox(Item(box.id)).Checked();
    return values;
}

void TSettings::BrowseLoadFolder() {
    ui::api::InitializeComOnce();
    std::vector<char> displayName(kBrowseBufferSize, '\0');
    BROWSEINFOA browse{};
    browse.hwndOwner = Handle();
    browse.pszDisplayName = displayName.data();
    browse.lpszTitle = text::kBrowseTitle;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = ui::api::SHBrowseForFolderA(&browse);
    if (!item) return;  // the text stays as it was
    // Wide, into the wide edit: a folder whose name the code page cannot
    // hold shows as it is, and is refused when the user sets it.
    std::vector<wchar_t> path(kBrowseBufferSize, L'\0');
    // An item without a file-system path keeps the text as it was.
    if (ui::api::SHGetPathFromIDListW(item, path.data())) SetWindowTextW(edtDirOpen().Handle(), path.data());
    ui::api::CoTaskMemFree(item);
}

void TSettings::btnSetClick() {
    ui::Application& app = ui::Application::Instance();
    // A name the code page cannot hold would be stored as another folder's.
    const core::CodePagePath folder = edtDirOpen().ExactText();
    const DWORD attributes = GetFileAttributesA(folder.text.c_str());
    if (!folder.exact || attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        app.ShowMessageBox(text::kInvalidFolder, text::kErrorCaption, MB_OK);
        return;
    }
    if (app.ShowMessageBox(text::kSaveConfirm, text::kSaveConfirmCaption, MB_OKCANCEL) != IDOK) return;
    if (store_) store_(ControlValues());
    EndModal(IDOK);
}

void TSettings::btnCancelClick() { Close(); }

void TSettings::btnDirSel1Click() { BrowseLoadFolder(); }

}  // namespace dialogs
