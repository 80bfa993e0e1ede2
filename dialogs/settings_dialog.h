// The settings dialog: the load folder and four switches.
#pragma once

#include "ui/font.h"
#include "ui/form.h"

namespace dialogs {

class TSettings : public ui::Form {
 public:
    TSettings();
    // Creates the dialog hidden, owned by `owner`.
    void Create(HWND owner);

 protected:
    void FormKeyPress(char& key) override;

 private:
    ui::Font font_;
};

}  // namespace dialogs
