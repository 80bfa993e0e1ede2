// Path text walked by characters. The first byte picks the lead-byte table
// (Shift-JIS, or 0x81-0xFE as in the Chinese and Korean code pages); the
// rest is the text. FolderPart, ReplaceChar and LastCharIndex each walk the
// text on their own, so they are checked against one another.
#include "tests/fuzz/fuzz_check.h"

using namespace core::path_text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const unsigned char kWide[] = {0x81, 0xFE};
    if (data[0] & 1) UseLeadByteRanges(kWide, 1);
    else UseShiftJis();
    std::string_view text = fuzz_check::Text(data + 1, size - 1);

    // The last character is whole: one byte, or a lead byte and its partner.
    std::size_t last = LastCharIndex(text);
    FUZZ_CHECK((last == std::string_view::npos) == text.empty());
    if (!text.empty())
        FUZZ_CHECK(last == text.size() - 1 ||
                   (last == text.size() - 2 && IsLeadByte(static_cast<unsigned char>(text[last]))));

    std::string_view folder = FolderPart(text), name = NamePart(text);
    FUZZ_CHECK(std::string(folder) + std::string(name) == text);
    FUZZ_CHECK(folder.empty() || EndsWithChar(folder, '\\') || EndsWithChar(folder, ':'));
    FUZZ_CHECK(FolderPart(name).empty() && FolderPart(folder) == folder);
    // With every delimiter character replaced, nothing is a folder any more.
    FUZZ_CHECK(FolderPart(ReplaceChar(ReplaceChar(text, '\\', '/'), ':', '/')).empty());

    std::string withSlash = IncludeTrailingBackslash(text);
    FUZZ_CHECK(withSlash.substr(0, text.size()) == text && withSlash.size() - text.size() <= 1);
    // Text cut inside a character has its backslash read as the second byte;
    // no folder name from the system or a dialog ends like that.
    if (!fuzz_check::EndsInsideChar(text)) {
        FUZZ_CHECK(EndsWithChar(withSlash, '\\'));
        FUZZ_CHECK(IncludeTrailingBackslash(withSlash) == withSlash && NamePart(withSlash).empty());
    }

    if (text.size() >= 2) {
        char from = text[0], to = text[1];
        std::string replaced = ReplaceChar(text, from, to);
        FUZZ_CHECK(replaced.size() == text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            FUZZ_CHECK(replaced[i] == text[i] || (text[i] == from && replaced[i] == to));
        // A single-byte character put in for another leaves every boundary where it was.
        if (!IsLeadByte(static_cast<unsigned char>(to))) FUZZ_CHECK(LastCharIndex(replaced) == last);
    }
    return 0;
}
