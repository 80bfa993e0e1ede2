#include "ui/error_text.h"

#include "ui/path_text.h"

namespace ui {

std::string WithClosingPeriod(std::string_view message) {
    std::string text(message);
    std::size_t last = path_text::LastCharIndex(message);
    // The test is on the last character's first byte, so a double-byte
    // character (lead byte above ".") always gets the period.
    if (last != std::string_view::npos && static_cast<unsigned char>(message[last]) > '.') text += '.';
    return text;
}

}  // namespace ui
