// Texts between the system code page, in which the program keeps names, and
// the UTF-16 in which Windows keeps them.
#pragma once

#include <string>
#include <string_view>

#include "core/code_page_path.h"

namespace ui {

// `text` in the system code page. Not exact when a character has no place
// there: Windows' own conversion (the "A" functions) would put a look-alike
// or "?" in its place, and here it is "?".
core::CodePagePath ToCodePage(std::wstring_view text);
// A text of the system code page, in UTF-16: always exact.
std::wstring ToWide(std::string_view text);

}  // namespace ui
