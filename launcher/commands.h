// The command lines handed to "cmd.exe", and the name rule of saved scripts.
// Free of <windows.h>.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

inline constexpr char kCommandInterpreter[] = "cmd.exe";

// "/c netsh -f " and the quoted script path.
std::string RunScriptParameters(std::string_view path);
// "/c netsh -c interface dump > " and the quoted file path.
std::string DumpParameters(std::string_view path);
// False when cmd.exe would change the path before netsh sees it: it expands
// %NAME% of any defined variable even between quotes, so "%OS%.nsh" would
// name "Windows_NT.nsh". No other character is touched inside quotes.
bool ReachesNetshUnchanged(std::string_view path);

// ".nsh" appended when the last component holds no dot at all.
std::string WithScriptExtension(std::string_view path);

}  // namespace launcher
