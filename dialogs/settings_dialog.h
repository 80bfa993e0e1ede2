// The settings dialog: the load folder and four switches, read from the
// settings file at every showing and written back only when confirmed.
#pragma once

#include <array>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/panel.h"

namespace dialogs {

enum SettingsControl : int {
    kBtnSet = 301,
    kBtnCancel,
    kEdtDirOpen,
    kBtnDirSel1,
    kChkPrompt,
    kChkClose,
    kChkOtherExt,
    kChkTop,
    kSettingsPanel1,
    kEdtDirOpenLabel,
};

class TSettings : public ui::Dialog {
 public:
    TSettings() = default;
    ~TSettings() override;
    // Makes the dialog, owned by `owner`; its window is made hidden at its
    // first showing.
    void Create(HWND owner);

 protected:
    void CreateControls() override;
    void FormShow() override;
    void ControlCommand(int id, int code) override;
    void DpiChanged() override;

 private:
    void LoadControls();
    void StoreControls();
    void BrowseLoadFolder();

    void btnSetClick();
    void btnCancelClick();
    void btnDirSel1Click();
    // Every control where the layout puts it at the dialog's density.
    void Layout();

    ui::Control edtDirOpen() const { return ui::Control(Item(kEdtDirOpen)); }
    // The check boxes, in the order of the switches they show.
    std::array<ui::CheckBox, 4> SwitchBoxes() const;

    ui::Panel Panel1;
};

}  // namespace dialogs
