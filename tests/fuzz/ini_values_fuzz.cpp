// Settings-file values: ParseInteger against an independent reading of the
// same grammar (a regex for the form, strtoull for the number).
#include <cerrno>
#include <cstdlib>
#include <regex>
#include <string>

#include "core/ini_values.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The magnitude of `digits`, or nothing when it does not fit 64 bits.
std::optional<unsigned long long> Magnitude(const std::string& digits, int base) {
    errno = 0;
    unsigned long long value = std::strtoull(digits.c_str(), nullptr, base);
    if (errno == ERANGE) return std::nullopt;
    return value;
}

std::optional<std::int32_t> Expected(const std::string& text) {
    static const std::regex decimal(" *([+-]?)([0-9]+)");
    static const std::regex dollar(" *([+-]?)\\$([0-9A-Fa-f]+)");
    static const std::regex hex("0[xX]([0-9A-Fa-f]+)");
    std::smatch m;
    if (std::regex_match(text, m, hex)) {
        auto value = Magnitude(m[1], 16);
        if (!value || *value > 0xFFFFFFFFull) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
    }
    if (std::regex_match(text, m, dollar)) {
        auto value = Magnitude(m[2], 16);
        if (!value || *value > 0xFFFFFFFFull) return std::nullopt;
        auto bits = static_cast<std::uint32_t>(*value);
        return static_cast<std::int32_t>(m[1] == "-" ? 0u - bits : bits);
    }
    if (std::regex_match(text, m, decimal)) {
        auto value = Magnitude(m[2], 10);
        bool negative = m[1] == "-";
        if (!value || *value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return std::nullopt;
        return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*value) : *value);
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(fuzz_check::Text(data, size));
    FUZZ_CHECK(core::ini::IsOn(text) == (text == "1"));
    FUZZ_CHECK(core::ini::ParseInteger(text) == Expected(text));
    return 0;
}
