// What the fuzz targets share: a check that libFuzzer reports as a crash (so
// the input is saved), and the text ending that no real name or message has.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/path_text.h"

#define FUZZ_CHECK(condition) \
    ((condition) ? void(0) : fuzz_check::Fail(#condition, __FILE__, __LINE__))

namespace fuzz_check {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, condition);
    std::abort();
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// True when the text stops right after a lead byte, i.e. in the middle of a
// double-byte character: a byte appended would be read as its second half.
inline bool EndsInsideChar(std::string_view text) {
    return !text.empty() && core::path_text::LastCharIndex(text) == text.size() - 1 &&
           core::path_text::IsLeadByte(static_cast<unsigned char>(text.back()));
}

}  // namespace fuzz_check
