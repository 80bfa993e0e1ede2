// The about box: the program's name, version and copyright, its picture, and
// a link that opens the developer's site.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "ui/controls.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shell.h"
#include "ui/system_api.h"

namespace dialogs {

enum AboutControl : int {
    kOKButton = 401,
    kSiteLink,
};

class TAboutBox : public ui::Form {
 public:
    TAboutBox();
    ~TAboutBox() override;
    // Creates the box hidden, owned by `owner`.
    void Create(HWND owner);
    void SetShellExecute(ui::ShellExecuteFunction function) { shellExecute_ = function; }

    ui::Panel Panel1;
    ui::Control ProductName;
    ui::Control Copyright;
    ui::Button OKButton;
    ui::Control Version;
    ui::Label SiteLink;
    ui::Control Image1;

 protected:
    void CreateControls() override;
    void FormKeyPress(char& key) override;
    void ControlCommand(int id, int code) override;
    HBRUSH ControlColor(HWND control, HDC dc) override;

 private:
    void OKButtonClick();
    void SiteLinkMouseEnter();
    void SiteLinkMouseLeave();
    void SiteLinkClick();
    HWND CreateLabel(const char* text, POINT at, int id, DWORD extraStyle, HFONT font);

    ui::Font font_;
    ui::Font linkFont_;
    HICON picture_ = nullptr;
    COLORREF linkColor_;
    ui::ShellExecuteFunction shellExecute_ = &ui::api::ShellExecuteA;
};

}  // namespace dialogs
