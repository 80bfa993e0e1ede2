// What the launcher asks the system: files, and the environment that the
// programs it starts inherit.
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

}  // namespace launcher
