#include "core/error_text.h"

#include "core/path_text.h"

namespace core {

std::string WithClosingPeriod(std::string_view message) {
    std::string text(message);
    std::size_t last = path_text::LastCharIndex(message);
    // The test is on the last character's first byte, so a double-byte
    // character (lead byte above ".") always gets the period.
    if (last != std::string_view::npos && static_cast<unsigned char>(message[last]) > '.') text += '.';
    return text;
}

std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        const bool placeholder = format[i] == '%' && next >= '1' && next < '1' + static_cast<int>(values.size());
        if (placeholder) {
            text += values.begin()[next - '1'];
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

}  // namespace core
