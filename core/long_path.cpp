#include "core/long_path.h"

#include <vector>

#include "core/path_text.h"

namespace core {
namespace {

// One component after its folder: its name, and whether a backslash (rather
// than a colon, or nothing) stood between the two.
struct Component {
    std::string_view name;
    bool delimited;
};

}  // namespace

std::string ExpandLongPath(std::string_view path, const LongNameLookup& lookup) {
    if (path.substr(0, 2) == "\\\\") return std::string(path);
    // Names are peeled off the end as far as a part that has none ("C:", "\",
    // "C:\dir\" or ""): a loop rather than recursion, so that an argument of
    // thousands of components cannot exhaust the stack.
    // The delimiters are found in one pass, so the peeling takes linear time.
    const std::vector<std::size_t> delimiters = path_text::DelimiterPositions(path);
    auto delimiter = delimiters.rbegin();
    std::vector<Component> components;
    std::size_t restSize = path.size();
    for (;;) {
        while (delimiter != delimiters.rend() && *delimiter >= restSize) ++delimiter;
        const std::size_t folderSize = delimiter == delimiters.rend() ? 0 : *delimiter + 1;
        if (folderSize == restSize) break;  // no name left
        const bool delimited = folderSize > 0 && path[folderSize - 1] == '\\';
        components.push_back({path.substr(folderSize, restSize - folderSize), delimited});
        restSize = folderSize - (delimited ? 1 : 0);
    }
    std::string_view rest = path.substr(0, restSize);
    // Then each is looked up in its expanded folder, outermost first. The
    // delimiter comes back only if it was there: "C:a.nsh" stays relative to
    // the drive's current folder, and "\a.nsh" stays in the root.
    std::string expanded(rest);
    // Only the part without a name can end with a backslash: names never do.
    bool endsWithBackslash = path_text::EndsWithChar(rest, '\\');
    for (auto component = components.rbegin(); component != components.rend(); ++component) {
        if (component->delimited && !endsWithBackslash) expanded += '\\';
        endsWithBackslash = false;
        const std::size_t folderSize = expanded.size();
        expanded += component->name;
        if (std::optional<std::string> found = lookup(expanded)) {
            expanded.resize(folderSize);
            expanded += *found;
        }
    }
    return expanded;
}

}  // namespace core
