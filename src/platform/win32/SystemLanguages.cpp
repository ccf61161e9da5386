// The user's languages on Windows (see SystemLanguages.h): the display
// languages of Settings, Time & Language, in the user's order.
#include "platform/SystemLanguages.h"

#include "base/SystemFile.h"

#include <windows.h>

std::vector<std::string> UserInterfaceLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) return {};
    // Names one after another, each ending in a null, the list in another.
    std::vector<std::string> languages;
    for (const wchar_t* name = names.c_str(); *name; name += std::wcslen(name) + 1)
        languages.push_back(SystemFile::Utf8Of(std::filesystem::path(name)));
    return languages;
}
