// Text rules of the error box. Free of <windows.h>.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace core {

// The message as the error box shows it: a period is appended unless the last
// character already sorts at or below "." (".", "!", ",", ")", a blank...).
std::string WithClosingPeriod(std::string_view message);

// `format` with "%1" to "%9" replaced by the values, in one pass: a value that
// itself holds "%1" (a file name may) is left as it is.
std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values);

}  // namespace core
