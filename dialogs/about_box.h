// The about box: name, version, copyright and a link to the developer's site.
#pragma once

#include "ui/font.h"
#include "ui/form.h"

namespace dialogs {

class TAboutBox : public ui::Form {
 public:
    TAboutBox();
    // Creates the box hidden, owned by `owner`.
    void Create(HWND owner);

 protected:
    void FormKeyPress(char& key) override;

 private:
    ui::Font font_;
};

}  // namespace dialogs
