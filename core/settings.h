// The settings a user edits: the load folder and four switches, as a value
// that the settings file, the settings dialog and the launcher hand around.
// Free of <windows.h>.
#pragma once

#include <string>

namespace core {

// What a missing value means is the settings file's to say, not this value's.
struct Settings {
    std::string loadFolder;  // as typed; not normalised
    bool showPrompt{};       // run scripts in a visible console
    bool closeAfterRun{};
    bool otherExtensions{};  // list every file, not only "*.nsh"
    bool startPinned{};      // pin the main window whenever the settings are applied

    bool operator==(const Settings&) const = default;
};

}  // namespace core
