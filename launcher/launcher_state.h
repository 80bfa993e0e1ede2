// What the settings file says the launcher should do; written only by
// LoadSettings, read by the list and run actions.
#pragma once

#include <string>

namespace launcher {

struct LauncherState {
    std::string LoadDir;      // the load folder as read, not normalised
    bool ShowPrompt = true;   // run scripts in a visible console
    bool CloseAfterRun = false;
    std::string ListExt = "nsh";  // "*" lists every file
};

}  // namespace launcher
