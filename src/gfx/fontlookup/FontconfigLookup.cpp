// The desktop's font file lookup, through fontconfig (see gfx/FontFile.h).
// The game's own family is first looked for where its Debian package puts
// it: reading fontconfig's configuration costs a start-up more processor
// time than all the rest of the game's own work. A configuration named in
// FONTCONFIG_FILE or FONTCONFIG_PATH is asked all the same, and so is
// fontconfig when the file is not there; it is initialised for one lookup
// per face name and finalised right after it, so it holds no caches for the
// rest of the run. The library itself is loaded only then (dlopen): linked,
// its pages would be part of every start's memory for nothing.
#include "gfx/FontFile.h"

#include "base/SystemFile.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <map>
#include <type_traits>

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
    return SystemFile::MayRead(kSongFile);
}

std::string_view FamilyFor(std::string_view faceName) {
    if (faceName.empty() || faceName == "宋体" || faceName == "SimSun") return kSongFamily;
    return faceName;
}

// The part of fontconfig the lookup calls, from the library loaded at the
// first lookup that needs it; it stays loaded for the run.
struct Fontconfig {
    decltype(&FcInitLoadConfigAndFonts) initLoadConfigAndFonts;
    decltype(&FcPatternCreate) patternCreate;
    decltype(&FcPatternAddString) patternAddString;
    decltype(&FcConfigSubstitute) configSubstitute;
    decltype(&FcDefaultSubstitute) defaultSubstitute;
    decltype(&FcFontMatch) fontMatch;
    decltype(&FcPatternGetString) patternGetString;
    decltype(&FcPatternGetInteger) patternGetInteger;
    decltype(&FcPatternDestroy) patternDestroy;
    decltype(&FcConfigDestroy) configDestroy;
    decltype(&FcFini) fini;
};

// The library's name with its ABI version, as the Debian package libfontconfig1 installs it.
constexpr const char* kFontconfigLibrary = "libfontconfig.so.1";

CErrorOr<Fontconfig> LoadFontconfig() {
    void* library = dlopen(kFontconfigLibrary, RTLD_NOW | RTLD_LOCAL);
    const auto missing = [] {
        const char* reason = dlerror();
        return CFailure{std::string("cannot load fontconfig to look for the font (") +
                        (reason ? reason : kFontconfigLibrary) +
                        "); install the Debian package libfontconfig1 (or set QUORVANEL_FONT=/path/to/font)"};
    };
    if (!library) return missing();
    Fontconfig calls{};
    const auto bind = [library](auto& call, const char* name) {
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(dlsym(library, name));
        return call != nullptr;
    };
    if (!bind(calls.initLoadConfigAndFonts, "FcInitLoadConfigAndFonts") ||
        !bind(calls.patternCreate, "FcPatternCreate") ||
        !bind(calls.patternAddString, "FcPatternAddString") ||
        !bind(calls.configSubstitute, "FcConfigSubstitute") ||
        !bind(calls.defaultSubstitute, "FcDefaultSubstitute") || !bind(calls.fontMatch, "FcFontMatch") ||
        !bind(calls.patternGetString, "FcPatternGetString") ||
        !bind(calls.patternGetInteger, "FcPatternGetInteger") ||
        !bind(calls.patternDestroy, "FcPatternDestroy") || !bind(calls.configDestroy, "FcConfigDestroy") ||
        !bind(calls.fini, "FcFini")) {
        CFailure failure = missing();
        dlclose(library);
        return failure;
    }
    return calls;
}

// fontconfig's best match for family, accepted only when it really is that
// family (fontconfig always answers with something).
bool MatchFamily(const Fontconfig& fc, std::string_view family, FontFile* file) {
    FcConfig* config = fc.initLoadConfigAndFonts();
    if (!config) return false;
    const std::string name(family);
    FcPattern* pattern = fc.patternCreate();
    fc.patternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    fc.configSubstitute(config, pattern, FcMatchPattern);
    fc.defaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = fc.fontMatch(config, pattern, &result);
    bool found = false;
    if (match) {
        FcChar8* matchedFamily = nullptr;
        for (int i = 0; fc.patternGetString(match, FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i) {
            if (name == reinterpret_cast<const char*>(matchedFamily)) found = true;
        }
        FcChar8* path = nullptr;
        int index = 0;
        if (found && fc.patternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
            fc.patternGetInteger(match, FC_INDEX, 0, &index);
            file->path = reinterpret_cast<const char*>(path);
            file->index = index;
        } else {
            found = false;
        }
        fc.patternDestroy(match);
    }
    fc.patternDestroy(pattern);
    fc.configDestroy(config);
    fc.fini();
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
    } else {
        static const CErrorOr<Fontconfig> fontconfig = LoadFontconfig();
        if (!fontconfig) return CFailure{fontconfig.Reason()};
        if (!MatchFamily(*fontconfig, family, &found) &&
            (family == kSongFamily || !MatchFamily(*fontconfig, kSongFamily, &found)))
            return CFailure{MissingFamilyMessage(kSongFamily)};
    }
    known.emplace(std::string(faceName), found);
    return found;
}

std::string_view BrokenFontAdvice() {
    return "reinstall the Debian package fonts-arphic-uming "
           "(apt-get install --reinstall fonts-arphic-uming), or set QUORVANEL_FONT=/path/to/font";
}

// The whole AR PL UMing draws what the desktop shows; the drawing stays the same on every machine.
std::vector<FontFile> FallbackFontFiles() { return {}; }
