// Rectangles and points as the window layouts give them, in pixels. Free of
// <windows.h>, so that the layouts are plain data.
#pragma once

namespace core {

struct Bounds {
    int left;
    int top;
    int width;
    int height;
};

struct Point {
    int x;
    int y;
};

}  // namespace core
