// What the launcher asks of the system: start a program, look at files and
// at the environment the program will run in, and speak to the user in a
// box. Windows' own answers come from WindowsSystem; tests give recorded ones.
// Free of <windows.h>.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace launcher {

class System {
 public:
    virtual ~System() = default;

    // The system folder (System32), where the programs the launcher starts are.
    virtual std::string SystemFolder() = 0;
    // Starts `program` with `parameters`, in a window shown or hidden, and
    // returns at once: what it does is not awaited or examined.
    virtual void Start(std::string_view program, const std::string& parameters, bool visible) = 0;
    // True when the first entry that a directory lookup of `path` finds is
    // not a folder (wildcards in the last component match as the lookup does).
    virtual bool FileExists(const std::string& path) = 0;
    // The long file name of the first entry matching `path`, if any.
    virtual std::optional<std::string> FindLongName(const std::string& path) = 0;
    // True when an environment variable of that name is set, also to "".
    virtual bool EnvironmentHas(std::string_view name) = 0;
    // Whether cmd.exe, started now, would expand "!NAME!" on its command line.
    virtual bool CmdDelayedExpansion() = 0;
    // The error box, with the message as given.
    virtual void ShowError(const std::string& message) = 0;
    // Asks whether an existing file may be replaced; true for yes.
    virtual bool ConfirmOverwrite() = 0;
};

}  // namespace launcher
