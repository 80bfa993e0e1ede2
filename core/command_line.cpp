#include "core/command_line.h"

#include <type_traits>

#include "core/path_text.h"

namespace core {
namespace {

template <class Char>
bool IsSeparator(Char c) {
    return static_cast<std::make_unsigned_t<Char>>(c) <= ' ';
}

// Index just past the character at `i`: two bytes for a lead byte with a
// byte after it. No UTF-16 unit of a pair is a quote or a separator.
template <class Char>
std::size_t NextChar(std::basic_string_view<Char> text, std::size_t i) {
    bool pair = false;
    if constexpr (sizeof(Char) == 1) pair = path_text::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    return i + (pair ? 2 : 1);
}

// Reads one argument from `pos`; returns it and moves `pos` past it.
template <class Char>
std::basic_string<Char> NextArgument(std::basic_string_view<Char> text, std::size_t& pos) {
    for (;;) {
        while (pos < text.size() && IsSeparator(text[pos])) ++pos;
        if (pos + 1 < text.size() && text[pos] == '"' && text[pos + 1] == '"') pos += 2;
        else break;
    }
    std::basic_string<Char> argument;
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

template <class Char>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> commandLine) {
    // The text ends at its first NUL, as the platform's does.
    commandLine = commandLine.substr(0, commandLine.find(Char{}));
    std::size_t pos = 0;
    NextArgument(commandLine, pos);  // the program itself
    std::vector<std::basic_string<Char>> arguments;
    for (std::basic_string<Char> argument = NextArgument(commandLine, pos); !argument.empty();
         argument = NextArgument(commandLine, pos))
        arguments.push_back(std::move(argument));
    return arguments;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) { return Split(commandLine); }

std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine) { return Split(commandLine); }

}  // namespace core
