#include "launcher/commands.h"

#include "ui/path_text.h"

namespace launcher {
namespace {

std::string Quoted(std::string_view prefix, std::string_view path) {
    std::string text(prefix);
    text += '"';
    text += path;
    text += '"';
    return text;
}

}  // namespace

std::string RunScriptParameters(std::string_view path) { return Quoted("/c netsh -f ", path); }

std::string DumpParameters(std::string_view path) { return Quoted("/c netsh -c interface dump > ", path); }

bool ReachesNetshUnchanged(std::string_view path) {
    // "%" (0x25) is never the second byte of a double-byte character.
    return path.find('%') == std::string_view::npos;
}

std::string WithScriptExtension(std::string_view path) {
    std::string result(path);
    // No double-byte character contains a "." (0x2E is never a second byte).
    if (path_text::NamePart(path).find('.') == std::string_view::npos) result += ".nsh";
    return result;
}

}  // namespace launcher
