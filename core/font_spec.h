// A font as a window layout gives it, at 96 dpi. Free of <windows.h>.
#pragma once

namespace core {

struct FontSpec {
    const char* face;       // a literal of the program's
    int height;             // as CreateFont takes it (negative: the character height), at 96 dpi
    unsigned char charset;  // as CreateFont takes it
    bool underline = false;
};

}  // namespace core
