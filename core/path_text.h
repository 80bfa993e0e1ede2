// Path text in the system ANSI code page, walked by characters so that the
// second byte of a double-byte character (0x5C in 表 or ソ) is never taken for
// a backslash. Free of <windows.h>: the lead-byte table is set once at start-up.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core::path_text {

// The lead bytes of the code page in use; Shift-JIS (932) until told otherwise.
void UseLeadByteRanges(const unsigned char* ranges, int pairCount);
void UseShiftJis();
bool IsLeadByte(unsigned char byte);

// Byte index of the last character of `text`, or npos when it is empty.
std::size_t LastCharIndex(std::string_view text);

// True when the last character (not merely the last byte) is `c`.
bool EndsWithChar(std::string_view text, char c);

// Appends a backslash unless the text already ends with one.
std::string IncludeTrailingBackslash(std::string_view text);

// Every single-byte character `from` replaced by `to`; a second byte of the
// same value is left alone.
std::string ReplaceChar(std::string_view text, char from, char to);

// Byte positions of the backslash and colon characters, in order.
std::vector<std::size_t> DelimiterPositions(std::string_view path);

// Everything up to and including the last backslash or colon ("" if none).
std::string_view FolderPart(std::string_view path);
// What follows the folder part.
std::string_view NamePart(std::string_view path);

}  // namespace core::path_text
