// The user's languages on Linux (see SystemLanguages.h): the environment
// says them all, and the language choice reads it itself.
#include "platform/SystemLanguages.h"

std::vector<std::string> UserInterfaceLanguages() { return {}; }
