#include "core/placement.h"

#include <algorithm>
#include <cstdint>

namespace core {
namespace {

// How far two spans share, along one axis; 0 or less when they do not.
std::int64_t Shared(std::int64_t aStart, std::int64_t aLength, std::int64_t bStart, std::int64_t bLength) {
    return std::min(aStart + aLength, bStart + bLength) - std::max(aStart, bStart);
}

std::int64_t Overlap(const Bounds& a, const Bounds& b) {
    const std::int64_t width = Shared(a.left, a.width, b.left, b.width);
    const std::int64_t height = Shared(a.top, a.height, b.top, b.height);
    return width > 0 && height > 0 ? width * height : 0;
}

bool TitleBarInReach(const Bounds& window, const Frame& frame, const Bounds& work) {
    const std::int64_t caption = std::max(frame.top - frame.bottom, 1);
    const std::int64_t barLeft = std::int64_t{window.left} + frame.left;
    const std::int64_t barWidth = std::int64_t{window.width} - frame.left - frame.right;
    return Shared(barLeft, barWidth, work.left, work.width) >= caption &&
           Shared(window.top, frame.top, work.top, work.height) >= caption;
}

// The gap between two rectangles along one axis; 0 when they overlap on it.
std::int64_t Gap(std::int64_t aStart, std::int64_t aEnd, std::int64_t bStart, std::int64_t bEnd) {
    if (aEnd <= bStart) return bStart - aEnd;
    if (bEnd <= aStart) return aStart - bEnd;
    return 0;
}

std::int64_t SquaredDistance(const Bounds& a, const Bounds& b) {
    const std::int64_t dx = Gap(a.left, std::int64_t{a.left} + a.width, b.left, std::int64_t{b.left} + b.width);
    const std::int64_t dy = Gap(a.top, std::int64_t{a.top} + a.height, b.top, std::int64_t{b.top} + b.height);
    return dx * dx + dy * dy;
}

// `start` moved the least way so that [start, start + length) lies in the span.
int ClampInto(int start, int length, int spanStart, int spanLength) {
    return std::clamp(start, spanStart, spanStart + spanLength - length);
}

const Monitor* Nearest(const Bounds& window, std::span<const Monitor> monitors, Bounds Monitor::*part) {
    const Monitor* nearest = nullptr;
    std::int64_t best = 0;
    for (const Monitor& monitor : monitors) {
        const std::int64_t distance = SquaredDistance(window, monitor.*part);
        if (!nearest || distance < best) {
            nearest = &monitor;
            best = distance;
        }
    }
    return nearest;
}

}  // namespace

const Monitor* MonitorOf(const Bounds& window, std::span<const Monitor> monitors) {
    const Monitor* most = nullptr;
    std::int64_t mostShared = 0;
    for (const Monitor& monitor : monitors) {
        const std::int64_t shared = Overlap(window, monitor.area);
        if (shared > mostShared) {
            most = &monitor;
            mostShared = shared;
        }
    }
    return most ? most : Nearest(window, monitors, &Monitor::area);
}

const Monitor* PrimaryOf(std::span<const Monitor> monitors) {
    auto primary = std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
    if (primary != monitors.end()) return &*primary;
    return monitors.empty() ? nullptr : &monitors.front();
}

Bounds CenteredIn(const Bounds& window, const Bounds& area, int partsDown) {
    return {area.left + (area.width - window.width) / 2, area.top + (area.height - window.height) / partsDown,
            window.width, window.height};
}

Bounds KeepOnScreen(const Bounds& window, const Frame& frame, std::span<const Monitor> monitors) {
    for (const Monitor& monitor : monitors)
        if (TitleBarInReach(window, frame, monitor.work)) return window;
    const Monitor* nearest = Nearest(window, monitors, &Monitor::work);
    if (!nearest) return window;
    const Bounds& work = nearest->work;
    Bounds placed = window;
    placed.width = std::min(window.width, work.width);
    placed.height = std::min(window.height, work.height);
    placed.left = ClampInto(window.left, placed.width, work.left, work.width);
    placed.top = ClampInto(window.top, placed.height, work.top, work.height);
    return placed;
}

}  // namespace core
