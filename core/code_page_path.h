// A name or path in the system code page, and whether it is the name itself.
// Free of <windows.h>.
#pragma once

#include <string>

namespace core {

// `exact` is false when the name held characters the code page lacks:
// Windows then puts a look-alike in their place ("é" as "e", "¥" as "\") or
// "?", and the text names another file, or a pattern. Such a text must never
// reach cmd.exe.
struct CodePagePath {
    std::string text;
    bool exact = true;

    bool operator==(const CodePagePath&) const = default;
};

}  // namespace core
