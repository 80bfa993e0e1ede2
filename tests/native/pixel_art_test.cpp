#include "core/pixel_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pixel = std::pair<int, int>;  // (x, y)

struct Named {
    std::string name;
    const core::art::Picture* picture;
    int size;
};

std::vector<Named> AllPictures() {
    std::vector<Named> all;
    for (int i = 0; i < 7; ++i) all.push_back({"tool image " + std::to_string(i), &core::art::ToolImage(i), 16});
    all.push_back({"large icon", &core::art::IconLarge(), 32});
    all.push_back({"small icon", &core::art::IconSmall(), 16});
    return all;
}

// The opaque pixels of a picture drawn `size` square, with their colours.
std::vector<std::pair<Pixel, std::uint32_t>> Opaque(const core::art::Picture& p, int size) {
    std::vector<std::pair<Pixel, std::uint32_t>> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (std::uint32_t rgb = 0; core::art::PixelAtSize(p, size, x, y, rgb)) pixels.push_back({{x, y}, rgb});
    return pixels;
}

// The bitmap builders walk `width` characters of `height` rows: a short row
// would read past its string, a long one would lose pixels. A character
// without an ink is drawn transparent, so a typo would show as a hole: only
// '.' may be left out, and no ink may be named twice.
TEST(PixelArt, EveryPictureHasItsSizeAndAnInkForEveryDrawnCharacter) {
    for (const auto& [name, p, size] : AllPictures()) {
        SCOPED_TRACE(name);
        ASSERT_EQ((std::vector<int>{p->width, p->height}), (std::vector<int>{size, size}));
        std::set<char> keys;
        for (int i = 0; i < p->inkCount; ++i) {
            EXPECT_NE(p->inks[i].key, '.');
            EXPECT_TRUE(keys.insert(p->inks[i].key).second) << "ink '" << p->inks[i].key << "' twice";
        }
        for (int y = 0; y < size; ++y) {
            ASSERT_EQ(std::strlen(p->rows[y]), static_cast<std::size_t>(size)) << "row " << y;
            for (int x = 0; x < size; ++x) {
                const char key = p->rows[y][x];
                EXPECT_TRUE(key == '.' || keys.count(key) == 1) << "(" << x << ", " << y << ")";
            }
        }
    }
}

// The tool bar has to look right on a 16-colour display; only the run picture
// is allowed a richer palette.
TEST(PixelArt, ToolImagesKeepToTheVgaColoursExceptRun) {
    const std::set<std::uint32_t> vga = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                         0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                         0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i : {0, 1, 3, 4, 5, 6}) {
        const auto pixels = Opaque(core::art::ToolImage(i), 16);
        EXPECT_FALSE(pixels.empty()) << i;
        for (const auto& [at, rgb] : pixels) EXPECT_EQ(vga.count(rgb), 1u) << i << ": " << std::hex << rgb;
    }
}

// Black one-pixel lines: a ring in columns 23 to 30 and rows 1 to 8, a box
// with sides at columns 10 and 22 from row 22 to 30 and a top line from
// column 10 to 20, and a bottom line from column 0 to 8.
TEST(PixelArt, LargeIconIsExactlyRingBoxAndLine) {
    std::set<Pixel> expected, ring;
    for (int y = 22; y <= 30; ++y) expected.insert({{10, y}, {22, y}});
    for (int x = 10; x <= 20; ++x) expected.insert({x, 22});
    for (int x = 0; x <= 8; ++x) expected.insert({x, 30});
    std::set<Pixel> rest;
    for (const auto& [at, rgb] : Opaque(core::art::IconLarge(), 32)) {
        EXPECT_EQ(rgb, 0x000000u) << at.first << ", " << at.second;
        (at.first >= 23 && at.second <= 8 ? ring : rest).insert(at);
    }
    EXPECT_EQ(rest, expected);
    // Round and hollow, 8 across: one run on the top and bottom rows, the two
    // sides on every row between, nothing inside.
    for (int y = 1; y <= 8; ++y) {
        int runs = 0;
        for (int x = 23; x <= 30; ++x) runs += ring.count({x, y}) && !ring.count({x - 1, y});
        EXPECT_EQ(runs, (y == 1 || y == 8) ? 1 : 2) << "row " << y;
    }
    for (int y = 3; y <= 6; ++y)
        for (int x = 25; x <= 28; ++x) EXPECT_EQ(ring.count({x, y}), 0u) << "(" << x << ", " << y << ")";
    int left = 99, right = -1, top = 99, bottom = -1;
    for (auto [x, y] : ring) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    EXPECT_EQ((std::vector<int>{left, right, top, bottom}), (std::vector<int>{23, 30, 1, 8}));
}

TEST(PixelArt, SmallIconIsTheSameBlackDrawing) {
    bool ring = false;
    for (const auto& [at, rgb] : Opaque(core::art::IconSmall(), 16)) {
        EXPECT_EQ(rgb, 0x000000u) << at.first << ", " << at.second;
        ring = ring || (at.first >= 10 && at.second <= 5);
    }
    std::uint32_t rgb = 0;
    EXPECT_TRUE(ring);
    EXPECT_TRUE(core::art::PixelAt(core::art::IconSmall(), 0, 15, rgb)) << "the bottom line starts at the left edge";
}

TEST(PixelArt, PixelAtLeavesTheColourAloneWhereNothingIsDrawn) {
    std::uint32_t rgb = 0x123456;
    for (auto [x, y] : {Pixel{0, 0}, {-1, 0}, {0, -1}, {32, 0}, {0, 32}})
        EXPECT_FALSE(core::art::PixelAt(core::art::IconLarge(), x, y, rgb)) << "(" << x << ", " << y << ")";
    EXPECT_EQ(rgb, 0x123456u);
}

// At other densities the drawings are scaled, never smoothed: every pixel is
// one of the picture's own inks or transparent, and at twice the size each
// pixel of the drawing is a 2 x 2 block.
TEST(PixelArt, ScaledPicturesKeepTheirInksAndDoubleExactly) {
    for (const auto& [name, p, size] : AllPictures()) {
        SCOPED_TRACE(name);
        std::set<std::uint32_t> inks;
        for (int i = 0; i < p->inkCount; ++i) inks.insert(p->inks[i].rgb);
        for (int scaled : {size * 5 / 4, size * 3 / 2})
            for (const auto& [at, rgb] : Opaque(*p, scaled)) ASSERT_EQ(inks.count(rgb), 1u) << scaled;
        for (int y = 0; y < 2 * size; ++y)
            for (int x = 0; x < 2 * size; ++x) {
                std::uint32_t doubled = 1, original = 1;
                ASSERT_EQ(core::art::PixelAtSize(*p, 2 * size, x, y, doubled), core::art::PixelAt(*p, x / 2, y / 2, original));
                ASSERT_EQ(doubled, original) << "(" << x << ", " << y << ")";
            }
    }
}


// In high contrast the inks as dark as navy or darker (black, navy, the
// network's outline) take the button text, white in High Contrast Black;
// lighter ones, and all while it is off, stay as drawn.
TEST(PixelArt, HighContrastDrawsOnlyTheDarkInksInTheButtonText) {
    for (std::uint32_t ink : {0x000000u, 0x000080u, 0x000060u, 0x800000u, 0x0000FFu, 0x182868u, 0x808000u}) {
        const bool dark = ink == 0x000000 || ink == 0x000080 || ink == 0x000060;
        EXPECT_EQ(core::art::Shown(ink, {true, 0xFFFFFF}), dark ? 0xFFFFFFu : ink) << std::hex << ink;
        EXPECT_EQ(core::art::Shown(ink, {}), ink) << std::hex << ink;
    }
}

}  // namespace
