#include "core/path_text.h"

#include <array>

namespace core::path_text {
namespace {

using LeadTable = std::array<bool, 256>;

constexpr void Mark(LeadTable& table, int first, int last) {
    for (int b = first; b <= last; ++b) table[b] = true;
}

constexpr LeadTable ShiftJisTable() {
    LeadTable table{};
    Mark(table, 0x81, 0x9F);
    Mark(table, 0xE0, 0xFC);
    return table;
}

// Shift-JIS from the start (constant-initialised, so no start-up order issue):
// code that never sets the table still walks Japanese names correctly.
LeadTable leadBytes = ShiftJisTable();

}  // namespace

void UseLeadByteRanges(const unsigned char* ranges, int pairCount) {
    leadBytes.fill(false);
    for (int i = 0; i < pairCount; ++i) Mark(leadBytes, ranges[2 * i], ranges[2 * i + 1]);
}

void UseShiftJis() { leadBytes = ShiftJisTable(); }

bool IsLeadByte(unsigned char byte) { return leadBytes[byte]; }

std::size_t LastCharIndex(std::string_view text) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        last = i;
        // A lead byte with nothing after it is a character of its own.
        i += (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    }
    return last;
}

bool EndsWithChar(std::string_view text, char c) {
    std::size_t last = LastCharIndex(text);
    return last != std::string_view::npos && last == text.size() - 1 && text[last] == c;
}

std::string IncludeTrailingBackslash(std::string_view text) {
    std::string result(text);
    if (!EndsWithChar(text, '\\')) result += '\\';
    return result;
}

std::string ReplaceChar(std::string_view text, char from, char to) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(result[i])) && i + 1 < result.size()) ++i;
        else if (result[i] == from) result[i] = to;
    }
    return result;
}

std::vector<std::size_t> DelimiterPositions(std::string_view path) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < path.size();) {
        unsigned char byte = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(byte) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (byte == '\\' || byte == ':') positions.push_back(i);
        ++i;
    }
    return positions;
}

std::string_view FolderPart(std::string_view path) {
    const std::vector<std::size_t> delimiters = DelimiterPositions(path);
    return path.substr(0, delimiters.empty() ? 0 : delimiters.back() + 1);
}

std::string_view NamePart(std::string_view path) { return path.substr(FolderPart(path).size()); }

}  // namespace core::path_text
