// The desktop's font file lookup, through fontconfig (see gfx/FontFile.h).
// The game's own family is first looked for where its Debian package puts
// it: reading fontconfig's configuration costs a start-up more processor
// time than all the rest of the game's own work. A configuration named in
// FONTCONFIG_FILE or FONTCONFIG_PATH is asked all the same, and so is
// fontconfig when the file is not there; it is initialised for one lookup
// per face name and finalised right after it, so it holds no caches for the
// rest of the run.
#include "gfx/FontFile.h"

#include <fontconfig/fontconfig.h>

#include <unistd.h>

#include <cstdlib>
#include <map>

namespace {

std::string MissingFamilyMessage(std::string_view family) {
    return "the font \"" + std::string(family) +
           "\" is not installed; install the Debian package fonts-arphic-uming"
           " (or set QUORVANEL_FONT=/path/to/font)";
}

// Where the Debian package fonts-arphic-uming installs the family.
constexpr const char* kSongFile = "/usr/share/fonts/truetype/arphic/uming.ttc";

bool InstalledSongFile() {
    for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH"})
        if (const char* value = std::getenv(variable); value && *value) return false;
    return ::access(kSongFile, R_OK) == 0;
}

std::string_view FamilyFor(std::string_view faceName) {
    if (faceName.empty() || faceName == "宋体" || faceName == "SimSun") return kSongFamily;
    return faceName;
}

// fontconfig's best match for family, accepted only when it really is that
// family (fontconfig always answers with something).
bool MatchFamily(std::string_view family, FontFile* file) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return false;
    const std::string name(family);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    bool found = false;
    if (match) {
        FcChar8* matchedFamily = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i) {
            if (name == reinterpret_cast<const char*>(matchedFamily)) found = true;
        }
        FcChar8* path = nullptr;
        int index = 0;
        if (found && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            file->path = reinterpret_cast<const char*>(path);
            file->index = index;
        } else {
            found = false;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    FcFini();
    return found;
}

}  // namespace

CErrorOr<FontFile> FindHostFontFile(std::string_view faceName) {
    // Looked up once per face name: fontconfig's start-up costs milliseconds.
    static std::map<std::string, FontFile, std::less<>> known;
    if (auto it = known.find(faceName); it != known.end()) return it->second;
    FontFile found;
    const std::string_view family = FamilyFor(faceName);
    if (family == kSongFamily && InstalledSongFile()) {
        // The face of the family within the collection (FontFile.h).
        found = {kSongFile, -1};
    } else if (!MatchFamily(family, &found) && (family == kSongFamily || !MatchFamily(kSongFamily, &found))) {
        return CFailure{MissingFamilyMessage(kSongFamily)};
    }
    known.emplace(std::string(faceName), found);
    return found;
}

std::string_view BrokenFontAdvice() {
    return "reinstall the Debian package fonts-arphic-uming "
           "(apt-get install --reinstall fonts-arphic-uming), or set QUORVANEL_FONT=/path/to/font";
}
