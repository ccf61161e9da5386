// Finding a face's font file: the file the user names, else the host's lookup.
#include "gfx/FontFile.h"

#include "base/Environment.h"

#include <utility>

std::optional<std::string> FontFileFromEnvironment() { return EnvironmentVariable("QUORVANEL_FONT"); }

CErrorOr<FontFile> FindFontFile(std::string_view faceName) {
    if (std::optional<std::string> path = FontFileFromEnvironment()) return FontFile{std::move(*path), -1};
    return FindHostFontFile(faceName);
}
