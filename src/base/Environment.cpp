// Reading environment variables (see Environment.h).
#include "base/Environment.h"

#include <cstdlib>

#ifdef _WIN32
#include "base/SystemFile.h"
#endif

std::optional<std::string> EnvironmentVariable(const char* name) {
#ifdef _WIN32
    // Windows' narrow environment is in the code page: its UTF-16 one, as UTF-8.
    const wchar_t* value = _wgetenv(SystemFile::PathOf(name).c_str());
    if (!value || !*value) return std::nullopt;
    return SystemFile::Utf8Of(std::filesystem::path(value));
#else
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return value;
#endif
}
