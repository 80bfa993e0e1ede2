// The program's own failures: a message in the system code page, shown by the
// application's error box when it reaches the message loop.
#pragma once

#include <stdexcept>
#include <string>

namespace ui {

class Error : public std::runtime_error {
 public:
    using std::runtime_error::runtime_error;
};

}  // namespace ui
