// What the launcher asks of the system: start a program and hear when it
// has ended, look at and move files, look at the environment the program
// will run in, and speak to the user in a box. Windows' own answers come from WindowsSystem; tests give recorded ones.
// Free of <windows.h>.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace launcher {

class System {
 public:
    virtual ~System() = default;

    // The system folder (System32), where the programs the launcher starts are.
    virtual std::string SystemFolder() = 0;
    // How a started program ended: its exit code, or none when it could not
    // be started at all.
    using Ended = std::function<void(std::optional<unsigned long> exitCode)>;
    // Starts `program` with `parameters`, in a window shown or hidden, and
    // returns at once. `ended`, where given, runs later on this thread once
    // the program has ended (the window keeps answering meanwhile), or at
    // once when it could not start.
    virtual void Start(std::string_view program, const std::string& parameters, bool visible,
                       const Ended& ended) = 0;
    // True when the first entry that a directory lookup of `path` finds is
    // not a folder (wildcards in the last component match as the lookup does).
    virtual bool FileExists(const std::string& path) = 0;
    // The long file name of the first entry matching `path`, if any.
    virtual std::optional<std::string> FindLongName(const std::string& path) = 0;
    // A new, empty file with a name of its own in the folder of `path`; none
    // when the folder refuses it.
    virtual std::optional<std::string> NewFileBeside(const std::string& path) = 0;
    // A file's size; none when it cannot be read.
    virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
    // Puts the file `from` in the place of `to`, replacing it; false when it
    // cannot, and then both stay as they were.
    virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
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
