#include "launcher/long_path.h"

#include "ui/path_text.h"

namespace launcher {
namespace {

std::string Expand(std::string_view path, const LongNameLookup& lookup) {
    std::string_view name = path_text::NamePart(path);
    if (name.empty()) return std::string(path);  // "C:", "C:\dir\" or ""
    std::string_view folderPart = path_text::FolderPart(path);
    // The delimiter comes back only if it was there: "C:a.nsh" stays relative
    // to the drive's current folder, and "\a.nsh" stays in the root.
    const bool delimited = path_text::EndsWithChar(folderPart, '\\');
    if (delimited) folderPart.remove_suffix(1);
    std::string folder = Expand(folderPart, lookup);
    if (delimited && !path_text::EndsWithChar(folder, '\\')) folder += '\\';
    std::string candidate = folder + std::string(name);
    std::optional<std::string> found = lookup(candidate);
    return found ? folder + *found : candidate;
}

}  // namespace

std::string ExpandLongPath(std::string_view path, const LongNameLookup& lookup) {
    if (path.substr(0, 2) == "\\\\") return std::string(path);
    return Expand(path, lookup);
}

}  // namespace launcher
