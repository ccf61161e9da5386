// Writes the game's icon at build time:
//   make-icons FOLDER NAME SIZE...
// makes FOLDER/SIZExSIZE/apps/NAME.png for each SIZE (the hicolor layout of
// the desktop's icon theme);
//   make-icons --ico FILE SIZE...
// makes FILE, a Windows icon file holding every SIZE.
#include "gfx/AppIcon.h"
#include "gfx/WholeFile.h"
#include "gfx/png/IconFile.h"
#include "gfx/png/PngFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

int Fail(const std::string& reason) {
    std::fprintf(stderr, "make-icons: %s\n", reason.c_str());
    return 1;
}

int WriteThemeIcons(const std::filesystem::path& folder, const std::string& name,
                    const std::vector<int>& sizes) {
    for (const int size : sizes) {
        const std::filesystem::path apps =
            folder / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::error_code failure;
        std::filesystem::create_directories(apps, failure);
        if (failure) return Fail(failure.message());
        if (const CErrorOr<void> written = WritePng(DrawAppIcon(size), (apps / (name + ".png")).string());
            !written)
            return Fail(written.Reason());
    }
    return 0;
}

int WriteIconFile(const std::string& path, const std::vector<int>& sizes) {
    std::vector<CFrameBuffer> images;
    for (const int size : sizes) images.push_back(DrawAppIcon(size));
    const std::vector<std::uint8_t> bytes = EncodeIco(images);
    if (bytes.empty()) return Fail("the sizes of an icon file go from 16 to 256");
    if (const int failure = WriteWholeFile(path, bytes)) return Fail(path + ": " + std::strerror(failure));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: make-icons FOLDER NAME SIZE...\n       make-icons --ico FILE SIZE...\n", stderr);
        return 2;
    }
    const bool iconFile = std::strcmp(argv[1], "--ico") == 0;
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) sizes.push_back(std::stoi(argv[i]));
    return iconFile ? WriteIconFile(argv[2], sizes) : WriteThemeIcons(argv[1], argv[2], sizes);
}
