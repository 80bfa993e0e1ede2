// The error box's closing period.
#include "core/error_text.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view message = fuzz_check::Text(data, size);
    std::string shown = core::WithClosingPeriod(message);
    FUZZ_CHECK(shown == message || shown == std::string(message) + ".");
    FUZZ_CHECK(!message.empty() || shown.empty());
    // A message cut inside a character has its period read as the second
    // byte; the program's messages are whole.
    if (message.empty() || fuzz_check::EndsInsideChar(message)) return 0;
    // Now it ends in a single-byte character at or below "." and so is never
    // given a second period.
    std::size_t last = core::path_text::LastCharIndex(shown);
    FUZZ_CHECK(last == shown.size() - 1 && static_cast<unsigned char>(shown[last]) <= '.');
    FUZZ_CHECK(core::WithClosingPeriod(shown) == shown);
    return 0;
}
