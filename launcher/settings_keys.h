// What the settings file holds: each key with its section and the value
// assumed when it is missing. The main window and the settings dialog read and
// write the file through these alone. Free of <windows.h>.
#pragma once

#include "core/settings.h"

namespace settings_keys {

struct Key {
    const char* section;
    const char* name;
};

// A switch is on exactly when its text is "1"; `fallback` is read when the
// key is missing. `field` is the setting it holds.
struct Switch {
    Key key;
    const char* fallback;
    bool core::Settings::*field;
};

// Its fallback is the executable's folder, known only at run time.
inline constexpr Key kLoadFolder{"DIR", "LoadFolder"};

// In the order in which they are read and written.
inline constexpr Switch kSwitches[] = {
    {{"CHECKBOX", "Dos"}, "1", &core::Settings::showPrompt},
    {{"CHECKBOX", "Close"}, "0", &core::Settings::closeAfterRun},
    {{"CHECKBOX", "OtherExt"}, "0", &core::Settings::otherExtensions},
    {{"CHECKBOX", "Top"}, "0", &core::Settings::startPinned},
};

// The main window's bounds, read and written in this order; 0 when missing.
inline constexpr Key kBounds[] = {{"FORM", "Left"}, {"FORM", "Top"}, {"FORM", "Width"}, {"FORM", "Height"}};

}  // namespace settings_keys
