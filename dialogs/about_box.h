// The about box: the program's name, version and copyright, its picture, and
// a link that opens the developer's site.
#pragma once

#include <windows.h>

#include "ui/controls.h"
#include "ui/form.h"
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

class TAboutBox : public ui::Form {
 public:
    TAboutBox();
    ~TAboutBox() override;
    // Makes the box, owned by `owner`; its window is made hidden at its first
    // showing.
    void Create(HWND owner);

 protected:
    void CreateControls() override;
    void FormKeyPress(char& key) override;
    void ControlCommand(int id, int code) override;
    HBRUSH ControlColor(HWND control, HDC dc) override;
    void DpiChanged() override;

 private:
    friend struct test::Access;

    void OKButtonClick();
    void SiteLinkMouseEnter();
    void SiteLinkMouseLeave();
    void SiteLinkClick();
    // Placed by Layout().
    HWND CreateLabel(const char* text, int id, DWORD extraStyle, HFONT font);
    // Every control where the layout puts it at the box's density.
    void Layout();
    void PlaceLabel(HWND label, core::Point at);

    ui::Icon picture_;
    ui::Panel Panel1;
    ui::Label SiteLink;
    COLORREF linkColor_;
    ui::ShellExecuteFunction shellExecute_;
};

}  // namespace dialogs
