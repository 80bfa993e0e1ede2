// What the launcher asks the file system.
#pragma once

#include <optional>
#include <string>

namespace launcher {

// True when the first entry that a directory lookup of `path` finds is not a
// folder (wildcards in the last component match as the lookup does).
bool FileExists(const std::string& path);

// The long file name of the first entry matching `path`, if any.
std::optional<std::string> FindLongName(const std::string& path);

}  // namespace launcher
