// The program's pictures, drawn as text so they can be reviewed (and diffed)
// like any other source. One character per pixel; '.' is transparent.
#include "core/pixel_art.h"

namespace core::art {
namespace {

template <int N>
constexpr int CountOf(const Ink (&)[N]) {
    return N;
}

constexpr std::uint32_t kNavy = 0x000080;

// Rec. 601 luma weights, in thousandths: how light an ink looks.
constexpr std::uint32_t kRedWeight = 299;
constexpr std::uint32_t kGreenWeight = 587;
constexpr std::uint32_t kBlueWeight = 114;

constexpr std::uint32_t Luma(std::uint32_t rgb) {
    return kRedWeight * (rgb >> 16 & 0xFF) + kGreenWeight * (rgb >> 8 & 0xFF) + kBlueWeight * (rgb & 0xFF);
}

// The sixteen VGA colours. Tool bar images keep to these so they look the
// same on a 16-colour display as everywhere else.
constexpr Ink kVga[] = {
    {'k', 0x000000},  // black
    {'m', 0x800000},  // maroon
    {'g', 0x008000},  // green
    {'o', 0x808000},  // olive
    {'n', kNavy},     // navy
    {'p', 0x800080},  // purple
    {'t', 0x008080},  // teal
    {'s', 0xC0C0C0},  // silver
    {'d', 0x808080},  // gray
    {'r', 0xFF0000},  // red
    {'l', 0x00FF00},  // lime
    {'y', 0xFFFF00},  // yellow
    {'b', 0x0000FF},  // blue
    {'f', 0xFF00FF},  // fuchsia
    {'c', 0x00FFFF},  // aqua
    {'w', 0xFFFFFF},  // white
};

// 0: open - a folder with an arrow dropping into it.
constexpr const char* kOpenRows[] = {
    "................",
    "........kkkk....",
    ".......k....k...",
    ".....kkkkk...k..",
    ".kkk..kkk.....k.",
    "kywyk..k........",
    "kwywkkkkkkkk....",
    "kywywywywywk....",
    "kwywywykkkkkkkkk",
    "kywywykooooooook",
    "kwywykooooooook.",
    "kywykooooooook..",
    "kwykooooooook...",
    "kykoooooooook...",
    "kkkkkkkkkkkk....",
    "................",
};

// 1: save - a 3.5-inch disk from the front.
constexpr const char* kSaveRows[] = {
    "................",
    ".kkkkkkkkkkkkkk.",
    ".koosssssskkook.",
    ".koosssssskkook.",
    ".koossssssssook.",
    ".koossssssssook.",
    ".koossssssssook.",
    ".koossssssssook.",
    ".koossssssssook.",
    ".kooooooooooook.",
    ".kookkkkkkkkook.",
    ".kookkkksskkook.",
    ".kookkkksskkook.",
    ".kookkkkkkkkook.",
    ".kkkkkkkkkkkkkk.",
    "................",
};

// 2: run - the network the scripts configure. Drawn with a free palette
// because it is meant to be the one picture with depth to it.
constexpr Ink kRunInks[] = {
    // green shape
    {'a', 0xD8F8B0}, {'b', 0xA0E070}, {'c', 0x70C848}, {'e', 0x48A830},
    {'h', 0x2C8420}, {'i', 0x1A5C14}, {'I', 0x3C5A28},
    // outlines
    {'N', 0x000060}, {'M', 0x182868}, {'O', 0x384880}, {'K', 0x28386E},
    // frames, light to shadow
    {'w', 0xFFFFFF}, {'v', 0xF4F4F8}, {'u', 0xE4E6EE}, {'x', 0xD2D6E0},
    {'y', 0xBCC0CE}, {'z', 0xA2A8B8}, {'Z', 0x8890A2},
    // screens, highlight to deep
    {'A', 0xE8FFFF}, {'B', 0xB0F8FF}, {'C', 0x78ECFA}, {'D', 0x48D8F2},
    {'E', 0x24BCE4}, {'F', 0x129CCC}, {'G', 0x0A7CB0}, {'H', 0x065C8C},
    // stands
    {'p', 0xB4BAC8}, {'q', 0x9098AA}, {'r', 0x6C7488}, {'s', 0x4C5468},
    // cable
    {'j', 0x00F0F0}, {'l', 0x00B4C8}, {'m', 0x007C90},
    // soft shadow cast by the front monitor
    {'S', 0x8A8E98},
};

constexpr const char* kRunRows[] = {
    ".abb............",
    "abbce...MMMMMMM.",
    "bbceh...MvuuuxO.",
    "ccehi...MvABCzO.",
    ".ehi....MuBDEzO.",
    "..I.....MuDFGzO.",
    "NNNNNNNNNNNxyzO.",
    "NwwwwwwwvuNKKKK.",
    "NwABBCCDDyN.qr..",
    "NvBBCCDDEyNprrs.",
    "NvBCCDDEFyNSj...",
    "NuCDDEFGHzNS.l..",
    "NuxxxxyyzZN...m.",
    "NNNNNNNNNNNS...j",
    "..OpppppqrOS...l",
    ".MqqqqqrrrsMS...",
};

// 3: settings - a hand laid over a sheet of text.
constexpr const char* kSettingsRows[] = {
    "................",
    "...kkkkkkk...nnn",
    "..kkwwwkkkkkknnn",
    ".kwkwwksssssdnnn",
    "kkkkwwkddddddnnn",
    "kwwwwkssssssdnnn",
    "kwwwwkdddddddnnn",
    "kwkkkkksssssdnnn",
    "kwwwwwkddddddnnn",
    "kwkkkkkkkssddnnn",
    "kwwwwwwwwkkkknnn",
    "kwkkkkkkwk......",
    "kwwwwwwwwk......",
    "kwkkkkkwwk......",
    "kwwwwwwwwk......",
    "kkkkkkkkkk......",
};

// 4: about - a question mark.
constexpr const char* kAboutRows[] = {
    "................",
    ".....nnnnnn.....",
    "...nnnnnnnnnn...",
    "..nnnnnnnnnnnn..",
    "..nnnn....nnnn..",
    "..nnn......nnn..",
    "...........nnn..",
    "..........nnnn..",
    ".........nnnn...",
    "........nnnn....",
    ".......nnnn.....",
    ".......nnn......",
    "................",
    ".......nnn......",
    ".......nnn......",
    ".......nnn......",
};

// 5: pin released - the push-pin lying on its side, needle to the left.
constexpr const char* kPinOutRows[] = {
    "................",
    "................",
    "................",
    "......k...kkkk..",
    "......kk..kwsok.",
    "......kwkkkwssok",
    "......kwwwkwssok",
    "ddddddkssskssook",
    "......koookssook",
    "......kokkkooook",
    "......kk..kdood.",
    "......k...kkkk..",
    "................",
    "................",
    "................",
    "................",
};

// 6: pin pressed - the same pin driven home, seen from above: only the head.
constexpr const char* kPinInRows[] = {
    "................",
    "................",
    "................",
    ".....kkkkkk.....",
    "...kkwwwssskk...",
    "..kwwwsssssook..",
    "..kwwssssssook..",
    "..kwssssssoook..",
    "..kksssssoookk..",
    "..kookkkkkkodk..",
    "..kooooooodddk..",
    "...kkooooddkk...",
    ".....kkkkkk.....",
    "................",
    "................",
    "................",
};

constexpr Picture kToolImages[kToolImageCount] = {
    {kToolImageSize, kToolImageSize, kOpenRows, kVga, CountOf(kVga)},
    {kToolImageSize, kToolImageSize, kSaveRows, kVga, CountOf(kVga)},
    {kToolImageSize, kToolImageSize, kRunRows, kRunInks, CountOf(kRunInks)},
    {kToolImageSize, kToolImageSize, kSettingsRows, kVga, CountOf(kVga)},
    {kToolImageSize, kToolImageSize, kAboutRows, kVga, CountOf(kVga)},
    {kToolImageSize, kToolImageSize, kPinOutRows, kVga, CountOf(kVga)},
    {kToolImageSize, kToolImageSize, kPinInRows, kVga, CountOf(kVga)},
};

// The program icon is plain black line art so it survives any background.
constexpr Ink kIconInks[] = {
    {'#', 0x000000},
};

constexpr const char* kIconLargeRows[] = {
    "................................",
    ".........................####...",
    "........................#....#..",
    ".......................#......#.",
    ".......................#......#.",
    ".......................#......#.",
    ".......................#......#.",
    "........................#....#..",
    ".........................####...",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "..........###########.#.........",
    "..........#...........#.........",
    "..........#...........#.........",
    "..........#...........#.........",
    "..........#...........#.........",
    "..........#...........#.........",
    "..........#...........#.........",
    "..........#...........#.........",
    "#########.#...........#.........",
    "................................",
};

constexpr const char* kIconSmallRows[] = {
    "................",
    "............##..",
    "...........#..#.",
    "...........#..#.",
    "............##..",
    "................",
    "................",
    "................",
    "................",
    "................",
    "................",
    ".....#####.#....",
    ".....#.....#....",
    ".....#.....#....",
    ".....#.....#....",
    "####.#.....#....",
};

constexpr Picture kIconLarge{32, 32, kIconLargeRows, kIconInks, CountOf(kIconInks)};
constexpr Picture kIconSmall{16, 16, kIconSmallRows, kIconInks, CountOf(kIconInks)};

}  // namespace

bool PixelAt(const Picture& picture, int x, int y, std::uint32_t& rgb) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) {
        return false;
    }
    const char key = picture.rows[y][x];
    for (int i = 0; i < picture.inkCount; ++i) {
        if (picture.inks[i].key == key) {
            rgb = picture.inks[i].rgb;
            return true;
        }
    }
    return false;
}

bool PixelAtSize(const Picture& picture, int size, int x, int y, std::uint32_t& rgb) {
    if (size <= 0 || x < 0 || y < 0 || x >= size || y >= size) return false;
    return PixelAt(picture, x * picture.width / size, y * picture.height / size, rgb);
}

// As dark as navy or darker: black, navy, and the run picture's darkest outline.
std::uint32_t Shown(std::uint32_t ink, const Palette& palette) {
    return palette.highContrast && Luma(ink) <= Luma(kNavy) ? palette.buttonText : ink;
}

const Picture& ToolImage(int index) { return kToolImages[index]; }

const Picture& IconDrawing(int size) { return size < kIconLarge.width ? kIconSmall : kIconLarge; }

const Picture& IconLarge() {
    return kIconLarge;
}

const Picture& IconSmall() {
    return kIconSmall;
}

}  // namespace core::art
