// What the launcher asks the system: files, and the environment and set-up of
// the programs it starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace launcher {

// True when the first entry that a directory lookup of `path` finds is not a
// folder (wildcards in the last component match as the lookup does).
bool FileExists(const std::string& path);

// The long file name of the first entry matching `path`, if any.
std::optional<std::string> FindLongName(const std::string& path);

// True when an environment variable of that name is set, also to "".
bool EnvironmentHas(std::string_view name);

// Whether cmd.exe, started now, would expand "!NAME!" on its command line:
// the DelayedExpansion switch under Software\Microsoft\Command Processor,
// the user's where it is set, else the machine's.
bool CmdDelayedExpansion();

}  // namespace launcher
