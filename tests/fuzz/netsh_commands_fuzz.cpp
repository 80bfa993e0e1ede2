// The saved script's name rule, and which "%" pairs of a path cmd.exe would
// expand, against a reading of cmd's rule of its own: every two neighbouring
// "%" signs enclose a name, and the first such name that is set (or is one of
// cmd's own variables, "=C:" among them, whole or before a ":") is what gets
// replaced.
#include <algorithm>
#include <string>
#include <vector>

#include "core/netsh_commands.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// The made-up environment: OS and the single letters A to F, in any case.
bool IsSet(std::string_view name) {
    const std::string upper = Upper(name);
    return upper == "OS" || (upper.size() == 1 && upper[0] >= 'A' && upper[0] <= 'F');
}

bool Known(std::string_view name) {
    static const std::vector<std::string> dynamic = {"CD", "DATE", "TIME", "RANDOM", "ERRORLEVEL", "CMDEXTVERSION",
                                                     "CMDCMDLINE", "FIRMWARE_TYPE", "HIGHESTNUMANODENUMBER", "__CD__",
                                                     "__APPDIR__", "=EXITCODE", "=EXITCODEASCII"};
    if (name.empty()) return false;
    const std::string upper = Upper(name);
    const bool driveFolder =
        upper.size() == 3 && upper[0] == '=' && upper[1] >= 'A' && upper[1] <= 'Z' && upper[2] == ':';
    return IsSet(name) || driveFolder || std::find(dynamic.begin(), dynamic.end(), upper) != dynamic.end();
}

bool Expands(std::string_view inside) { return Known(inside) || Known(inside.substr(0, inside.find(':'))); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view path = fuzz_check::Text(data, size);

    std::string named = core::WithScriptExtension(path);
    FUZZ_CHECK(named == path || named == std::string(path) + ".nsh");
    FUZZ_CHECK(core::path_text::FolderPart(named) == core::path_text::FolderPart(path));
    FUZZ_CHECK(core::WithScriptExtension(named) == named);

    std::vector<std::size_t> percents;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (path[i] == '%') percents.push_back(i);
    std::string_view expected;
    for (std::size_t k = 0; k + 1 < percents.size() && expected.empty(); ++k) {
        const std::size_t open = percents[k], close = percents[k + 1];
        if (Expands(path.substr(open + 1, close - open - 1))) expected = path.substr(open, close - open + 1);
    }
    const std::string_view found = core::CmdVariableReference(path, &IsSet);
    FUZZ_CHECK(found.data() == expected.data() && found.size() == expected.size());
    return 0;
}
