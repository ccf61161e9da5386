// Writes the game's icon for the desktop's icon theme at build time:
//   make-icons FOLDER NAME SIZE...
// makes FOLDER/SIZExSIZE/apps/NAME.png for each SIZE (the hicolor layout).
#include "gfx/AppIcon.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: make-icons FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string name = argv[2];
    for (int i = 3; i < argc; ++i) {
        const int size = std::stoi(argv[i]);
        const std::filesystem::path apps =
            folder / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::error_code failure;
        std::filesystem::create_directories(apps, failure);
        if (failure) {
            std::fprintf(stderr, "make-icons: %s\n", failure.message().c_str());
            return 1;
        }
        if (const CErrorOr<void> written = WritePng(DrawAppIcon(size), (apps / (name + ".png")).string());
            !written) {
            std::fprintf(stderr, "make-icons: %s\n", written.Reason().c_str());
            return 1;
        }
    }
    return 0;
}
