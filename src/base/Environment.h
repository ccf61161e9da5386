// Environment variables as the program reads them: a variable set to the empty
// string counts as not set.
#pragma once

#include <optional>
#include <string>

// The value of the variable name, or none when it is unset or empty.
std::optional<std::string> EnvironmentVariable(const char* name);
