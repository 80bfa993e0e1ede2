#include "ui/code_page.h"

#include <windows.h>

namespace ui {

core::CodePagePath ToCodePage(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    // No best fit: "é" becomes "?", not "e", and the default shows it.
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                         &defaulted);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, narrow.data(), size, nullptr, &defaulted);
    // A character the code page holds twice (one of its duplicates) does not
    // come back as itself either.
    return {narrow, !defaulted && ToWide(narrow) == text};
}

std::wstring ToWide(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

}  // namespace ui
