// The main window's use of the settings file.
#include "launcher/main_form.h"
#include <iterator>

#include "launcher/settings_file.h"

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
}

void TMainForm::SaveFormPosition() {
    // A minimised window's rectangle is its icon's (on Windows at -32000,
    // -32000), where the next start would open it out of sight.
    const ui::Bounds bounds = Minimized() ? RestoredBounds() : GetBounds();
    const int values[] = {bounds.left, bounds.top, bounds.width, bounds.height};
    IniFile ini(SettingsFilePath());
    for (std::size_t i = 0; i < std::size(keys::kBounds); ++i) ini.WriteInteger(keys::kBounds[i], values[i]);
}

}  // namespace launcher
