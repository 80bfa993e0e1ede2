// The program's pictures as text: one string per row, one character per pixel.
// Kept free of <windows.h> so the drawings can be checked natively; the Windows
// side turns them into bitmaps, an image list and the icon at start-up.
#pragma once

#include <cstdint>

namespace core::art {

// One colour of a picture: the character that stands for it and its 0xRRGGBB value.
struct Ink {
    char key;
    std::uint32_t rgb;
};

// A character that no ink names is a transparent pixel ('.' by convention).
struct Picture {
    int width;
    int height;
    const char* const* rows;  // `height` strings of exactly `width` characters
    const Ink* inks;
    int inkCount;
};

// How the pictures are drawn: as they were drawn, or for a high-contrast
// theme, whose button face may be black: there the dark inks (black, navy:
// the outlines and strokes) take the theme's button text colour, which it
// keeps legible on its button face, and the other inks keep theirs.
struct Palette {
    bool highContrast = false;
    std::uint32_t buttonText = 0;  // 0xRRGGBB
};
// The colour `ink` is drawn in with `palette`.
std::uint32_t Shown(std::uint32_t ink, const Palette& palette);

// Looks up the pixel at (x, y); false when it is transparent.
bool PixelAt(const Picture& picture, int x, int y, std::uint32_t& rgb);
// The pixel at (x, y) of the picture drawn `size` pixels square: each pixel
// is the nearest one of the drawing, so lines stay solid, never grey.
bool PixelAtSize(const Picture& picture, int size, int x, int y, std::uint32_t& rgb);

// Tool bar images, indexed as the tool buttons use them:
// 0 open, 1 save, 2 run, 3 settings, 4 about, 5 pin released, 6 pin pressed
// (`index` must be one of these).
inline constexpr int kToolImageCount = 7;
inline constexpr int kToolImageSize = 16;
const Picture& ToolImage(int index);

// The program icon (32 x 32 and 16 x 16); the about box shows the large one.
const Picture& IconLarge();
const Picture& IconSmall();
// The drawing to scale for an icon `size` pixels square: the small one below
// 32 pixels, where the large one's lines would merge, else the large one.
const Picture& IconDrawing(int size);

}  // namespace core::art
