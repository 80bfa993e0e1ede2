// Text rules of the error box. Free of <windows.h>.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// The message as the error box shows it: a period is appended unless the last
// character already sorts at or below "." (".", "!", ",", ")", a blank...).
std::string WithClosingPeriod(std::string_view message);

}  // namespace ui
