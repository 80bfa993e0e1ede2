// The main window's settings and position: the settings file read and
// applied, the dialogs that change it, the bounds restored and stored.
#include "launcher/main_form.h"

#include <iterator>

#include "core/placement.h"
#include "launcher/settings_file.h"
#include "ui/error.h"
#include "ui/screen.h"

namespace launcher {

namespace keys = settings_keys;
static_assert(std::size(keys::kBounds) == 4, "left, top, width and height");

void TMainForm::LoadSettings() {
    {
        IniFile ini(SettingsFilePath());
        // Each value takes effect as soon as it is read, in this order.
        state_.LoadDir = ini.ReadString(keys::kLoadFolder, ExeFolder().c_str());
        OpenDialog1.SetInitialDir(state_.LoadDir);
        SaveDialog1.SetInitialDir(state_.LoadDir);
        state_.ShowPrompt = ini.IsOn(keys::kShowPrompt);
        state_.CloseAfterRun = ini.IsOn(keys::kCloseAfterRun);
        state_.ListExt = ini.IsOn(keys::kOtherExtensions) ? "*" : "nsh";
        if (ini.IsOn(keys::kStartPinned)) Pin();  // never unpins: only the button does
    }
    RefreshList(state_.LoadDir);
}

void TMainForm::LoadFormPosition() {
    int values[std::size(keys::kBounds)];
    {
        IniFile ini(SettingsFilePath());
        for (std::size_t i = 0; i < std::size(keys::kBounds); ++i) values[i] = ini.ReadInteger(keys::kBounds[i]);
    }
    SetBounds({values[0], values[1], values[2], values[3]});  // the size limits apply
    // Bounds on a monitor that is gone (undocked, unplugged) would open the
    // window out of sight or out of reach: it comes back to the nearest one.
    const ui::Bounds stored = GetBounds();
    const ui::Bounds visible =
        core::KeepOnScreen(stored, ui::screen::FrameOf(Handle(), Dpi()), ui::screen::Monitors());
    if (visible != stored) SetBounds(visible);
}

void TMainForm::SaveFormPosition() {
    // A minimised window's rectangle is its icon's (on Windows at -32000,
    // -32000), a maximised one's the screen's and a little more: the next
    // start would open a normal window out of sight or with its edges off.
    const ui::Bounds bounds = Placed() ? RestoredBounds() : GetBounds();
    const int values[] = {bounds.left, bounds.top, bounds.width, bounds.height};
    IniFile ini(SettingsFilePath());
    for (std::size_t i = 0; i < std::size(keys::kBounds); ++i) ini.WriteInteger(keys::kBounds[i], values[i]);
}

void TMainForm::FormClose() { SaveFormPosition(); }

void TMainForm::ToolBtnSettingsClick() {
    if (settings_) settings_->ShowModal();
    LoadSettings();  // whatever the dialog's result: the file says what holds
}

void TMainForm::ToolBtnAboutClick() {
    if (aboutBox_) aboutBox_->ShowModal();
}

void TMainForm::WMEndSession() {
    // The close never runs when Windows ends the session, so the bounds are
    // stored here. Nobody is left to answer a box: a refused write loses
    // only the bounds.
    try {
        SaveFormPosition();
    } catch (const ui::Error&) {
    }
}

}  // namespace launcher
