// How values read from the settings file are understood. Free of <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace core::ini {

// A switch is on exactly when its whole text is "1".
bool IsOn(std::string_view text);
const char* SwitchText(bool on);

// "0x1F" (longer than "0x") is hexadecimal; otherwise optional leading blanks,
// an optional sign and an optional "$" for hexadecimal, then digits and nothing
// else. Decimal must fit 32 bits; hexadecimal may use all 32 bits.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The value read, or `fallback` when the text is not a valid integer.
std::int32_t IntegerOr(std::string_view text, std::int32_t fallback);

}  // namespace core::ini
