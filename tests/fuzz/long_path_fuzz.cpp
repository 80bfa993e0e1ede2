// ExpandLongPath with made-up disks. Input: one byte that seeds which lookups
// succeed, the path, then optionally "\n" and the long name the disk returns.
#include <vector>

#include "core/long_path.h"
#include "tests/fuzz/fuzz_check.h"

using namespace core::path_text;

namespace {

// The path walked by characters with each run of backslashes cut to one, and
// each name shown as "n" unless `names`: what no lookup may change. Runs are
// cut because the walk itself turns "dir\\a" into "dir\a" (Windows reads
// both alike).
std::string Shape(std::string_view path, bool names) {
    std::string shape;
    bool afterBackslash = false, afterName = false;
    for (std::size_t i = 0; i < path.size();) {
        std::size_t n = IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size() ? 2 : 1;
        std::string_view c = path.substr(i, n);
        i += n;
        if (c == "\\" && afterBackslash) continue;
        afterBackslash = c == "\\";
        if (c == "\\" || c == ":") shape += c;
        else if (names) shape += c;
        else if (!afterName) shape += 'n';
        afterName = c != "\\" && c != ":";
    }
    return shape;
}

// A name FindFirstFile could hand back: one whole component.
bool IsName(std::string_view name) {
    return !name.empty() && FolderPart(name).empty() && !fuzz_check::EndsInsideChar(name) &&
           name.find('\0') == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned seed = data[0];
    std::string_view input = fuzz_check::Text(data + 1, size - 1);
    std::string_view path = input.substr(0, input.find('\n'));
    std::string_view longName = input.size() > path.size() ? input.substr(path.size() + 1) : "";
    const bool network = path.substr(0, 2) == "\\\\";

    std::vector<std::string> asked;
    auto missing = [&](const std::string& candidate) -> std::optional<std::string> {
        asked.push_back(candidate);
        return std::nullopt;
    };
    std::string kept = core::ExpandLongPath(path, missing);
    FUZZ_CHECK(Shape(kept, true) == Shape(path, true));
    FUZZ_CHECK(kept == path || Shape(path, true) != path);
    FUZZ_CHECK(!network || asked.empty());
    // Only names are looked up, and never as a network path.
    for (const std::string& candidate : asked)
        FUZZ_CHECK(!NamePart(candidate).empty() && candidate.substr(0, 2) != "\\\\");

    // A disk that knows every path under the name it was given.
    auto same = [](const std::string& candidate) -> std::optional<std::string> {
        return std::string(NamePart(candidate));
    };
    FUZZ_CHECK(core::ExpandLongPath(path, same) == kept);

    // A disk that knows some paths (picked by a hash) under another name; kept
    // short, as a long name in every component makes each run slow.
    if (!IsName(longName) || longName.size() > 32) return 0;
    auto renamed = [&](const std::string& candidate) -> std::optional<std::string> {
        unsigned hash = seed;
        for (char c : candidate) hash = hash * 31 + static_cast<unsigned char>(c);
        if ((hash >> 3) & 1) return std::nullopt;
        return std::string(longName);
    };
    std::string expanded = core::ExpandLongPath(path, renamed);
    FUZZ_CHECK(network ? expanded == path : Shape(expanded, false) == Shape(path, false));
    return 0;
}
