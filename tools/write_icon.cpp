// Writes the program icon (32 x 32 and 16 x 16) as a .ico file for the exe's
// resources. Built and run on the build machine during the Windows build.
#include <cstdio>

#include "core/icon_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_icon OUT.ico\n");
        return 2;
    }
    const art::Picture* pictures[] = {&art::IconLarge(), &art::IconSmall()};
    const std::string bytes = art::IconFile(pictures, 2);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) return 1;
    return std::fclose(out) == 0 ? 0 : 1;
}
