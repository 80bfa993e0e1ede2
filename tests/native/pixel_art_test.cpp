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

struct Named {
    std::string name;
    const art::Picture* picture;
    int size;
};

std::vector<Named> AllPictures() {
    std::vector<Named> all;
    for (int i = 0; i < art::kToolImageCount; ++i) {
        all.push_back({"tool image " + std::to_string(i), &art::ToolImage(i), art::kToolImageSize});
    }
    all.push_back({"large icon", &art::IconLarge(), 32});
    all.push_back({"small icon", &art::IconSmall(), 16});
    return all;
}

bool HasInk(const art::Picture& p, char key) {
    for (int i = 0; i < p.inkCount; ++i) {
        if (p.inks[i].key == key) return true;
    }
    return false;
}

// The bitmap builders walk `width` characters of `height` rows; a short row
// would read past its string, a long one would silently lose pixels.
TEST(PixelArt, EveryPictureHasItsDeclaredSize) {
    for (const auto& [name, p, size] : AllPictures()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(p->width, size);
        EXPECT_EQ(p->height, size);
        ASSERT_NE(p->rows, nullptr);
        for (int y = 0; y < p->height; ++y) {
            ASSERT_NE(p->rows[y], nullptr) << "row " << y;
            EXPECT_EQ(std::strlen(p->rows[y]), static_cast<std::size_t>(p->width)) << "row " << y;
        }
    }
}

// Any character without an ink is drawn transparent, so a typo in a drawing
// would show up as a hole rather than an error. Only '.' may be left out.
TEST(PixelArt, EveryDrawnCharacterHasExactlyOneInk) {
    for (const auto& [name, p, size] : AllPictures()) {
        SCOPED_TRACE(name);
        std::set<char> keys;
        for (int i = 0; i < p->inkCount; ++i) {
            EXPECT_NE(p->inks[i].key, '.');
            EXPECT_TRUE(keys.insert(p->inks[i].key).second) << "ink '" << p->inks[i].key << "' twice";
        }
        for (int y = 0; y < p->height; ++y) {
            for (int x = 0; x < p->width && p->rows[y][x] != '\0'; ++x) {
                const char c = p->rows[y][x];
                if (c != '.') {
                    EXPECT_TRUE(HasInk(*p, c)) << "'" << c << "' at (" << x << ", " << y << ")";
                }
            }
        }
    }
}

// The tool bar has to look right on a 16-colour display; only the run picture
// is allowed a richer palette.
TEST(PixelArt, ToolImagesKeepToTheVgaColoursExceptRun) {
    const std::set<std::uint32_t> vga = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    for (int i : {0, 1, 3, 4, 5, 6}) {
        SCOPED_TRACE("tool image " + std::to_string(i));
        const art::Picture& p = art::ToolImage(i);
        int opaque = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                std::uint32_t rgb = 0;
                if (art::PixelAt(p, x, y, rgb)) {
                    ++opaque;
                    EXPECT_EQ(vga.count(rgb), 1u) << std::hex << rgb << " at (" << std::dec << x << ", " << y << ")";
                }
            }
        }
        EXPECT_GT(opaque, 0);
    }
}

TEST(PixelArt, LargeIconIsExactlyRingBoxAndLine) {
    std::set<std::pair<int, int>> expected;  // (x, y)
    for (int y = 22; y <= 30; ++y) {
        expected.insert({10, y});
        expected.insert({22, y});
    }
    for (int x = 10; x <= 20; ++x) expected.insert({x, 22});  // gap at 21
    for (int x = 0; x <= 8; ++x) expected.insert({x, 30});

    const art::Picture& p = art::IconLarge();
    std::set<std::pair<int, int>> ring;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            std::uint32_t rgb = 0xFFFFFF;
            const bool opaque = art::PixelAt(p, x, y, rgb);
            if (opaque) {
                EXPECT_EQ(rgb, 0x000000u) << "(" << x << ", " << y << ")";
            }
            const bool black = opaque && rgb == 0x000000;
            if (x >= 23 && y <= 8) {
                if (black) ring.insert({x, y});
                continue;
            }
            EXPECT_EQ(black, expected.count({x, y}) == 1) << "(" << x << ", " << y << ")";
        }
    }

    ASSERT_FALSE(ring.empty());
    int left = 99, right = -1, top = 99, bottom = -1;
    for (auto [x, y] : ring) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    EXPECT_EQ(left, 23);
    EXPECT_EQ(right, 30);
    EXPECT_EQ(top, 1);
    EXPECT_EQ(bottom, 8);
    // Round and hollow: a single run across the top and bottom rows, the two
    // sides everywhere between, nothing inside.
    for (int y = 1; y <= 8; ++y) {
        int runs = 0;
        for (int x = 23; x <= 30; ++x) {
            if (ring.count({x, y}) == 1 && ring.count({x - 1, y}) == 0) ++runs;
        }
        EXPECT_EQ(runs, (y == 1 || y == 8) ? 1 : 2) << "row " << y;
    }
    for (int y = 3; y <= 6; ++y) {
        for (int x = 25; x <= 28; ++x) EXPECT_EQ(ring.count({x, y}), 0u) << "(" << x << ", " << y << ")";
    }
}

TEST(PixelArt, SmallIconIsTheSameBlackDrawing) {
    const art::Picture& p = art::IconSmall();
    bool topRight = false;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            std::uint32_t rgb = 0xFFFFFF;
            if (art::PixelAt(p, x, y, rgb)) {
                EXPECT_EQ(rgb, 0x000000u) << "(" << x << ", " << y << ")";
                if (x >= 10 && y <= 5) topRight = true;
            }
        }
    }
    std::uint32_t rgb = 0;
    EXPECT_TRUE(topRight) << "ring missing";
    EXPECT_TRUE(art::PixelAt(p, 0, 15, rgb)) << "bottom line should start at the left edge";
}

TEST(PixelArt, PixelAtReportsTransparencyAndBounds) {
    const art::Picture& icon = art::IconLarge();
    std::uint32_t rgb = 0x123456;
    EXPECT_FALSE(art::PixelAt(icon, 0, 0, rgb));  // '.'
    EXPECT_EQ(rgb, 0x123456u) << "a transparent pixel must not change the colour";

    EXPECT_TRUE(art::PixelAt(icon, 10, 22, rgb));
    EXPECT_EQ(rgb, 0x000000u);

    rgb = 0x123456;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {32, 0}, {0, 32}, {40, 40}}) {
        EXPECT_FALSE(art::PixelAt(icon, x, y, rgb)) << "(" << x << ", " << y << ")";
    }
    EXPECT_EQ(rgb, 0x123456u);
}

// At other densities the drawings are scaled, never smoothed: every pixel is
// one of the picture's own inks or transparent, and at twice the size each
// pixel of the drawing is a 2 x 2 block.
TEST(PixelArt, ScaledPicturesKeepTheirInksAndDoubleExactly) {
    for (const auto& [name, p, size] : AllPictures()) {
        SCOPED_TRACE(name);
        for (int scaled : {size * 5 / 4, size * 3 / 2, size * 2}) {
            for (int y = 0; y < scaled; ++y) {
                for (int x = 0; x < scaled; ++x) {
                    std::uint32_t rgb = 0;
                    if (!art::PixelAtSize(*p, scaled, x, y, rgb)) continue;
                    bool ownInk = false;
                    for (int i = 0; i < p->inkCount; ++i) ownInk = ownInk || p->inks[i].rgb == rgb;
                    ASSERT_TRUE(ownInk) << scaled << ": (" << x << ", " << y << ")";
                }
            }
        }
        for (int y = 0; y < 2 * size; ++y) {
            for (int x = 0; x < 2 * size; ++x) {
                std::uint32_t scaled = 1, original = 1;
                const bool drawn = art::PixelAtSize(*p, 2 * size, x, y, scaled);
                ASSERT_EQ(drawn, art::PixelAt(*p, x / 2, y / 2, original)) << "(" << x << ", " << y << ")";
                EXPECT_EQ(scaled, original);
            }
        }
    }
}

}  // namespace
