// Rectangles and points as the window layouts give them, in pixels. Free of
// <windows.h>, so that the layouts are plain data.
#pragma once

namespace core {

struct Bounds {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Bounds&) const = default;
};

struct Point {
    int x;
    int y;
};

// The density the layouts are drawn for: pixels at 96 dots per inch.
inline constexpr int kDesignDpi = 96;

// A layout figure at another density: value * dpi / 96, rounded to the
// nearest pixel with halves away from zero, as MulDiv rounds.
constexpr int ScaleToDpi(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

// Each figure scaled on its own, so that equal widths stay equal; an edge
// (left + width) may then differ from the scaled edge by one pixel.
constexpr Bounds ScaleToDpi(const Bounds& b, int dpi) {
    return {ScaleToDpi(b.left, dpi), ScaleToDpi(b.top, dpi), ScaleToDpi(b.width, dpi), ScaleToDpi(b.height, dpi)};
}

}  // namespace core
