// The main window's settings and position: the settings file read and
// applied, the dialogs that change it, the bounds restored and stored.
#include "launcher/main_form.h"

#include "core/placement.h"
#include "launcher/settings_file.h"
#include "ui/error.h"
#include "ui/screen.h"

namespace launcher {

void TMainForm::LoadSettings() {
    const core::Settings settings = ReadSettings();
    launcher_.Apply(settings);
    OpenDialog1.SetInitialDir(settings.loadFolder);
    SaveDialog1.SetInitialDir(settings.loadFolder);
    if (settings.startPinned) Pin();  // never unpins: only the button does
    RefreshList(settings.loadFolder);
}

void TMainForm::LoadFormPosition() {
    SetBounds(ReadFormBounds());  // the size limits apply
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
    WriteFormBounds(Placed() ? RestoredBounds() : GetBounds());
}

void TMainForm::FormClose() {
    launcher_.Stop();
    SaveFormPosition();
}

void TMainForm::ToolBtnSettingsClick() {
    // Shown as the file holds them now, hand edits included; what the user
    // confirms is written before the dialog goes, so that a refused write
    // keeps it open. Whatever the way out, the file then says what holds: the
    // private-profile service trims blanks and quotes that the dialog kept.
    if (settings_) settings_->Edit(ReadSettings(), &WriteSettings);
    LoadSettings();
}

void TMainForm::ToolBtnAboutClick() {
    if (aboutBox_) aboutBox_->ShowModal();
}

void TMainForm::SessionEnding() {
    // The close never runs when Windows ends the session, so the bounds are
    // stored here. Nobody is left to answer a box: a refused write loses
    // only the bounds.
    try {
        SaveFormPosition();
    } catch (const ui::Error&) {
    }
}

}  // namespace launcher
