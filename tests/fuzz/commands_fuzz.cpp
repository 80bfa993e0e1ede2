// The saved script's name rule, and the command lines handed to cmd.exe read
// back with the program's own splitter.
#include <vector>

#include "launcher/command_line.h"
#include "launcher/commands.h"
#include "tests/fuzz/fuzz_check.h"

using Args = std::vector<std::string>;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view path = fuzz_check::Text(data, size);

    std::string named = launcher::WithScriptExtension(path);
    FUZZ_CHECK(named == path || named == std::string(path) + ".nsh");
    FUZZ_CHECK(path_text::FolderPart(named) == path_text::FolderPart(path));
    FUZZ_CHECK(launcher::WithScriptExtension(named) == named);

    // A path a file can have (no quote, no NUL, not cut inside a character)
    // stays one argument, blanks, 0x5C second bytes and all.
    if (path.empty() || path.find_first_of(std::string_view("\"\0", 2)) != std::string_view::npos ||
        fuzz_check::EndsInsideChar(path))
        return 0;
    std::string p(path);
    FUZZ_CHECK(launcher::SplitCommandLine("cmd.exe " + launcher::RunScriptParameters(path)) ==
               (Args{"/c", "netsh", "-f", p}));
    FUZZ_CHECK(launcher::SplitCommandLine("cmd.exe " + launcher::DumpParameters(path)) ==
               (Args{"/c", "netsh", "-c", "interface", "dump", ">", p}));
    return 0;
}
