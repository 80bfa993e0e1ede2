// Where a top-level window goes among the monitors: the monitor it is on, a
// window centred on one, and a window brought back from where no monitor
// shows it. Rectangles are in screen pixels. Free of <windows.h>.
#pragma once

#include <span>

#include "core/geometry.h"

namespace core {

struct Monitor {
    Bounds area;  // the whole monitor
    Bounds work;  // without the task bar and other docked bars
    bool primary = false;
};

// What a window's frame adds to its client area on each side: a border all
// round, and the title bar above the client area with the border above it.
struct Frame {
    int left;
    int top;
    int right;
    int bottom;
};

// The monitor that holds most of `window`, or, when none holds any of it,
// the nearest one (as Windows picks it); null only when there is no monitor.
const Monitor* MonitorOf(const Bounds& window, std::span<const Monitor> monitors);
// The primary monitor, or the first when none says it is.
const Monitor* PrimaryOf(std::span<const Monitor> monitors);

// `window` moved into `area`: centred across, and down by the room left over
// divided by `partsDown` (2: centred, integer halves; 3: a third of the way down).
Bounds CenteredIn(const Bounds& window, const Bounds& area, int partsDown = 2);

// `window` as it is when the user can reach its title bar: when some work
// area holds a piece of the bar as tall as the caption and as wide (the
// border above the caption may be off the screen, as a maximised window's
// is), as Windows asks of a window it restores. Otherwise moved the least way
// into the work area of the nearest monitor, and made smaller only where it is
// larger than that area.
Bounds KeepOnScreen(const Bounds& window, const Frame& frame, std::span<const Monitor> monitors);

}  // namespace core
