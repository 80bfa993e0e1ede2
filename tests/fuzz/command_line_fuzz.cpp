// The process command line split into arguments.
#include <vector>

#include "core/command_line.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view line = fuzz_check::Text(data, size);
    std::vector<std::string> arguments = core::SplitCommandLine(line);

    std::size_t total = 0;
    for (const std::string& argument : arguments) {
        FUZZ_CHECK(!argument.empty() && argument.find('\0') == std::string::npos);
        total += argument.size();
    }
    FUZZ_CHECK(total <= line.size());
    // Only where the text itself ends can an argument stop inside a character.
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) FUZZ_CHECK(!fuzz_check::EndsInsideChar(arguments[i]));
    if (!arguments.empty() && fuzz_check::EndsInsideChar(arguments.back())) return 0;

    // Quoting every argument again gives the same arguments back.
    std::string quoted = "kelvaro.exe";
    for (const std::string& argument : arguments) quoted += " \"" + argument + "\"";
    FUZZ_CHECK(core::SplitCommandLine(quoted) == arguments);
    return 0;
}
