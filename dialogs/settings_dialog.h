// The settings dialog: the load folder and four switches. It shows the
// settings it is given and hands back what the user confirms; where they
// come from and go to is its owner's business.
#pragma once

#include <functional>

#include "core/settings.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/panel.h"
#include "ui/window.h"
#include "ui/test_access.h"

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
    // Stores the settings the user confirmed; raises when it cannot, and the
    // dialog then shows why and stays open.
    using Store = std::function<void(const core::Settings&)>;

    // Makes the dialog, owned by `owner`; its window is made hidden at its
    // first showing.
    void Create(HWND owner);
    // Shows `shown` modally. When the user confirms, hands the edited settings
    // to `store` and closes with IDOK; every other way out is IDCANCEL.
    int Edit(const core::Settings& shown, const Store& store);

 protected:
    void CreateControls() override;
    void FormShow() override;
    void ControlCommand(int id, int code) override;
    void DpiChanged() override;

 private:
    friend struct test::Access;

    void LoadControls();
    core::Settings ControlValues() const;
    void BrowseLoadFolder();

    void btnSetClick();
    void btnCancelClick();
    void btnDirSel1Click();
    // Every control where the layout puts it at the dialog's density.
    void Layout();

    ui::Control edtDirOpen() const { return ui::Control(Item(kEdtDirOpen)); }

    ui::Panel Panel1;
    ui::AnnotatedControl btnDirSel1Name_;
    core::Settings shown_;
    Store store_;
};

}  // namespace dialogs
