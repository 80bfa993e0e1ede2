#include "core/netsh_commands.h"

#include <algorithm>
#include <iterator>

#include "core/path_text.h"

namespace core {
namespace {

// The characters after which cmd.exe ends a word that is not quoted; none of
// them is the second byte of a double-byte character.
constexpr std::string_view kCmdSeparators = " \t&()[]{}^=;!'+,`~%<>|";

std::string CmdParameters(std::string_view netsh, std::string_view arguments, std::string_view path,
                          bool delayedExpansion) {
    const bool quoted = netsh.find_first_of(kCmdSeparators) != std::string_view::npos;
    // "!" (0x21) is never the second byte of a double-byte character.
    const bool rewritten = delayedExpansion && path.find('!') != std::string_view::npos;
    std::string text("/D ");
    if (rewritten) text += "/V:OFF ";
    if (quoted) text += "/S ";
    text += "/c ";
    if (quoted) text += "\"\"";
    text += netsh;
    if (quoted) text += '"';
    text += arguments;
    text += '"';
    text += path;
    text += '"';
    if (quoted) text += '"';
    return text;
}

// Variables that cmd.exe makes up itself when the environment lacks them
// (FIRMWARE_TYPE since Windows 8); the last four are undocumented but
// expanded all the same.
constexpr std::string_view kDynamicVariables[] = {
    "CD", "DATE", "TIME", "RANDOM", "ERRORLEVEL", "CMDEXTVERSION", "CMDCMDLINE", "FIRMWARE_TYPE",
    "HIGHESTNUMANODENUMBER", "__CD__", "__APPDIR__", "=EXITCODE", "=EXITCODEASCII",
};

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsDynamicVariable(std::string_view name) {
    // Byte-wise: a name holding a double-byte character can never equal one of these.
    return std::any_of(std::begin(kDynamicVariables), std::end(kDynamicVariables), [name](std::string_view known) {
        return known.size() == name.size() &&
               std::equal(known.begin(), known.end(), name.begin(), [](char k, char n) { return k == AsciiUpper(n); });
    });
}

// "=C:" and the like: cmd.exe keeps its folder on each drive in them itself,
// so the environment it inherits does not tell which it will have.
bool IsDriveFolder(std::string_view name) {
    if (name.size() != 3 || name[0] != '=' || name[2] != ':') return false;
    const char drive = AsciiUpper(name[1]);
    return drive >= 'A' && drive <= 'Z';
}

bool Expands(std::string_view name, const VariableLookup& isSet) {
    return !name.empty() && (IsDynamicVariable(name) || IsDriveFolder(name) || isSet(name));
}

}  // namespace

std::string RunScriptParameters(std::string_view netsh, std::string_view path, bool delayedExpansion) {
    return CmdParameters(netsh, " -f ", path, delayedExpansion);
}

std::string DumpParameters(std::string_view netsh, std::string_view path, bool delayedExpansion) {
    return CmdParameters(netsh, " -c interface dump > ", path, delayedExpansion);
}

std::string_view CmdVariableReference(std::string_view path, const VariableLookup& isSet) {
    // "%" (0x25) is never the second byte of a double-byte character, so the
    // scan may go by bytes.
    for (std::size_t open = path.find('%'); open != std::string_view::npos;) {
        const std::size_t close = path.find('%', open + 1);
        if (close == std::string_view::npos) break;
        const std::string_view inside = path.substr(open + 1, close - open - 1);
        // "%NAME:~0,3%" and "%NAME:a=b%" edit NAME; "%=C:%" names "=C:" itself.
        const std::string_view edited = inside.substr(0, inside.find(':'));
        if (Expands(inside, isSet) || Expands(edited, isSet)) return path.substr(open, close - open + 1);
        open = close;  // the closing "%" may open the next pair
    }
    return {};
}

std::string WithScriptExtension(std::string_view path) {
    std::string result(path);
    // No double-byte character contains a "." (0x2E is never a second byte).
    if (path_text::NamePart(path).find('.') == std::string_view::npos) result += ".nsh";
    return result;
}

}  // namespace core
