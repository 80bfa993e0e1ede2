// The process command line split into arguments, as the program reads it.
// Free of <windows.h>.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

// Arguments 1 to N (the program itself not counted). A character below "!"
// separates arguments; a pair of quotes where an argument would begin is
// skipped; quotes group blanks and are dropped; double-byte characters are
// stepped over whole. N counts the arguments before the first empty one.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);
// The same over the wide command line, where every character is one unit.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);

}  // namespace core
