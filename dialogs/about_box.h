// The about box: the program's name, version and copyright, its picture, and
// a link that opens the developer's site.
#pragma once

#include <windows.h>

#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/handles.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shell.h"
#include "ui/test_access.h"

namespace dialogs {

enum AboutControl : int {
    kOKButton = 401,
    kSiteLink,
    kAboutPanel1,
    kProductName,
    kCopyright,
    kVersion,
    kImage1,
};

class TAboutBox : public ui::Dialog {
 public:
    TAboutBox();
    ~TAboutBox() override;
    // Makes the box, owned by `owner`; its window is made hidden at its first
    // showing.
    void Create(HWND owner);

 protected:
    void CreateControls() override;
    void ControlCommand(int id, int code) override;
    HBRUSH ControlColor(HWND control, HDC dc) override;
    void DpiChanged() override;
    void ColorsChanged() override;

 private:
    friend struct test::Access;

    void OKButtonClick();
    void SiteLinkMouseEnter();
    void SiteLinkMouseLeave();
    void SiteLinkClick();
    // Every control where the layout puts it at the box's density.
    void Layout();
    void ApplyPicture();

    ui::Icon picture_;
    ui::Panel Panel1;
    ui::Label SiteLink;
    COLORREF linkColor_;
    ui::ShellExecuteFunction shellExecute_;
};

}  // namespace dialogs
