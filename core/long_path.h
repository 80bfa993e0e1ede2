// A path with each component replaced by its long name as stored on disk.
// Free of <windows.h>: the lookup of one path is passed in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The long name (file name only) of the first entry matching `path`, if any.
using LongNameLookup = std::function<std::optional<std::string>(const std::string& path)>;

// Resolves the components outermost first; a component that cannot be found
// is kept, and so are those after it (their lookups fail too). A drive-relative
// ("C:a.nsh") or root-relative ("\a.nsh") path keeps its meaning. A wildcard in
// a component is replaced by the first entry that matches it. Network paths
// ("\\server\share\...") come back unchanged: the component walk would lose
// one of their leading backslashes and name a local path instead.
std::string ExpandLongPath(std::string_view path, const LongNameLookup& lookup);

}  // namespace core
