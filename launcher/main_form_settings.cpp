// The main window's use of the settings file.
#include "launcher/ini_values.h"
#include "launcher/main_form.h"
#include "launcher/settings_file.h"

namespace launcher {
namespace {

bool SwitchOn(const IniFile& ini, const char* key, const char* fallback) {
    return ini_values::IsOn(ini.ReadString("CHECKBOX", key, fallback));
}

}  // namespace

void TMainForm::LoadSettings() {
    {
        IniFile ini(SettingsFilePath());
        // Each value takes effect as soon as it is read, in this order.
        state_.LoadDir = ini.ReadString("DIR", "LoadFolder", ExeFolder().c_str());
        OpenDialog1.SetInitialDir(state_.LoadDir);
        SaveDialog1.SetInitialDir(state_.LoadDir);
        state_.ShowPrompt = SwitchOn(ini, "Dos", "1");
        state_.CloseAfterRun = SwitchOn(ini, "Close", "0");
        state_.ListExt = SwitchOn(ini, "OtherExt", "0") ? "*" : "nsh";
        if (SwitchOn(ini, "Top", "0")) Pin();  // never unpins: only the button does
    }
    RefreshList(state_.LoadDir);
}

void TMainForm::LoadFormPosition() {
    ui::Bounds bounds{};
    {
        IniFile ini(SettingsFilePath());
        bounds.left = ini.ReadInteger("FORM", "Left", 0);
        bounds.top = ini.ReadInteger("FORM", "Top", 0);
        bounds.width = ini.ReadInteger("FORM", "Width", 0);
        bounds.height = ini.ReadInteger("FORM", "Height", 0);
    }
    SetBounds(bounds);  // the size limits apply
}

void TMainForm::SaveFormPosition() {
    // A minimised window's rectangle is its icon's (on Windows at -32000,
    // -32000), where the next start would open it out of sight.
    const ui::Bounds bounds = Minimized() ? RestoredBounds() : GetBounds();
    IniFile ini(SettingsFilePath());
    ini.WriteInteger("FORM", "Left", bounds.left);
    ini.WriteInteger("FORM", "Top", bounds.top);
    ini.WriteInteger("FORM", "Width", bounds.width);
    ini.WriteInteger("FORM", "Height", bounds.height);
}

}  // namespace launcher
