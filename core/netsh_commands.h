// The command lines handed to "cmd.exe", and the name rule of saved scripts.
// Free of <windows.h>.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace core {

// The two programs, each started by its full path in the system folder: by
// a bare name Windows and cmd.exe would first look in folders a user can
// write (the exe's, the current one), where a downloaded file may lie.
inline constexpr char kCommandInterpreter[] = "cmd.exe";
inline constexpr char kNetworkShell[] = "netsh.exe";

// "/D /c ", the network shell's full path `netsh`, " -f " and the quoted
// script path. "/D": cmd's AutoRun commands, which may change the folder,
// the code page or the variables, never run first. A `netsh` that cmd would
// split (a blank, "&"...) is quoted, and then "/S" and one more pair of
// quotes around the rest keep cmd from taking the line's first and last
// quotes away. `delayedExpansion`: cmd.exe expands "!NAME!" and drops a lone
// "!" there, even between quotes (switched on in the registry); a path
// holding a "!" then gets "/V:OFF " after "/D ", which turns it off for that
// command alone.
std::string RunScriptParameters(std::string_view netsh, std::string_view path, bool delayedExpansion);
// The same with " -c interface dump > " and the quoted file path.
std::string DumpParameters(std::string_view netsh, std::string_view path, bool delayedExpansion);
// Whether a variable of that name is set where cmd.exe will run.
using VariableLookup = std::function<bool(std::string_view name)>;

// The first "%NAME%" or "%NAME:...%" of `path` that cmd.exe would replace
// before netsh sees the path ("" when there is none): it expands them even
// between quotes, so "%OS%.nsh" would name "Windows_NT.nsh". NAME counts when
// `isSet` knows it or it is one of cmd's own variables (%CD%, %DATE%..., %=C:%).
// As in cmd, every "%" may open a pair, so in "%x%OS%" the second one does.
// A lone "%" and a pair naming no variable reach netsh unchanged.
std::string_view CmdVariableReference(std::string_view path, const VariableLookup& isSet);

// ".nsh" appended when the last component holds no dot at all.
std::string WithScriptExtension(std::string_view path);

}  // namespace core
