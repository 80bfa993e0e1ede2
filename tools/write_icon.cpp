// Writes the program icon as a .ico file for the exe's resources, at the sizes
// Windows asks for at 96, 120, 144 and 192 dpi (small icons 16, 20, 24, 32;
// large ones 32, 40, 48, 64). Built and run on the build machine during the
// Windows build.
#include <cstdio>
#include <iterator>

#include "core/icon_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_icon OUT.ico\n");
        return 2;
    }
    const int sizes[] = {16, 20, 24, 32, 40, 48, 64};
    const std::string bytes = core::art::IconFile(sizes, static_cast<int>(std::size(sizes)));
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) return 1;
    return std::fclose(out) == 0 ? 0 : 1;
}
