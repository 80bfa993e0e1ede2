#include "core/placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A laptop (task bar along the bottom) with a second screen to its left.
const std::vector<core::Monitor> kMonitors = {
    {{-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}, false},
    {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
};

// A sizable window's frame on Windows 10 at 96 dpi: borders of 8, a caption of 23.
constexpr core::Frame kFrame{8, 31, 8, 8};

std::vector<int> Figures(const core::Bounds& b) { return {b.left, b.top, b.width, b.height}; }

TEST(Placement, WindowsWhoseTitleBarCanBeReachedStayAndOthersComeBackToTheNearestWorkArea) {
    struct Case {
        core::Bounds stored;
        std::vector<int> placed;
    };
    const Case cases[] = {
        {{1800, 100, 400, 300}, {1800, 100, 400, 300}},      // partly on the laptop
        {{-1500, 500, 400, 300}, {-1500, 500, 400, 300}},    // partly on the second screen
        {{100, 1045, 300, 200}, {100, 840, 300, 200}},       // only on the task bar
        {{5000, 100, 300, 200}, {1620, 100, 300, 200}},      // a screen to the right, unplugged
        {{-3000, 200, 300, 200}, {-1280, 200, 300, 200}},    // beyond the second screen
        {{3000, 3000, 2500, 1500}, {0, 0, 1920, 1040}},      // larger than any work area
        {{-8, -8, 1936, 1056}, {-8, -8, 1936, 1056}},        // maximised once: its caption shows, it stays
        {{1919, 500, 400, 300}, {1520, 500, 400, 300}},      // one pixel shows
        {{1890, 100, 400, 300}, {1520, 100, 400, 300}},      // 22 of the caption shows: less than it is tall
        {{1889, 100, 400, 300}, {1889, 100, 400, 300}},      // 23: as wide as it is tall
        {{300, -9, 400, 300}, {300, 0, 400, 300}},           // the caption's top row above the screen
    };
    for (const Case& c : cases)
        EXPECT_EQ(Figures(core::KeepOnScreen(c.stored, kFrame, kMonitors)), c.placed) << Figures(c.stored)[0];
}

TEST(Placement, AWindowIsOnTheMonitorThatHoldsMostOfItOrTheNearest) {
    EXPECT_EQ(core::MonitorOf({-200, 0, 300, 100}, kMonitors), &kMonitors[0]);
    EXPECT_EQ(core::MonitorOf({-100, 0, 300, 100}, kMonitors), &kMonitors[1]);
    EXPECT_EQ(core::MonitorOf({-5000, 0, 300, 100}, kMonitors), &kMonitors[0]);
    EXPECT_EQ(core::PrimaryOf(kMonitors), &kMonitors[1]);
    EXPECT_EQ(core::MonitorOf({0, 0, 1, 1}, {}), nullptr);
}

}  // namespace
