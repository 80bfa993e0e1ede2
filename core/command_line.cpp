#include "core/command_line.h"

#include "core/path_text.h"

namespace core {
namespace {

bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Index just past the character at `i`: two bytes for a lead byte with a byte after it.
std::size_t NextChar(std::string_view text, std::size_t i) {
    bool pair = path_text::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    return i + (pair ? 2 : 1);
}

// Reads one argument from `pos`; returns it and moves `pos` past it.
std::string NextArgument(std::string_view text, std::size_t& pos) {
    for (;;) {
        while (pos < text.size() && IsSeparator(text[pos])) ++pos;
        if (pos + 1 < text.size() && text[pos] == '"' && text[pos + 1] == '"') pos += 2;
        else break;
    }
    std::string argument;
    while (pos < text.size() && !IsSeparator(text[pos])) {
        if (text[pos] != '"') {
            std::size_t next = NextChar(text, pos);
            argument.append(text.substr(pos, next - pos));
            pos = next;
            continue;
        }
        ++pos;  // the opening quote
        while (pos < text.size() && text[pos] != '"') {
            std::size_t next = NextChar(text, pos);
            argument.append(text.substr(pos, next - pos));
            pos = next;
        }
        if (pos < text.size()) ++pos;  // the closing quote
    }
    return argument;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    // The text ends at its first NUL, as the platform's does.
    commandLine = commandLine.substr(0, commandLine.find('\0'));
    std::size_t pos = 0;
    NextArgument(commandLine, pos);  // the program itself
    std::vector<std::string> arguments;
    for (std::string argument = NextArgument(commandLine, pos); !argument.empty();
         argument = NextArgument(commandLine, pos))
        arguments.push_back(std::move(argument));
    return arguments;
}

}  // namespace core
