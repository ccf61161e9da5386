// Reading environment variables (see Environment.h).
#include "base/Environment.h"

#include <cstdlib>

std::optional<std::string> EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value) return std::nullopt;
    return value;
}
