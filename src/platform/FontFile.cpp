// The font file the user names, which every host's lookup honours first.
#include "platform/FontFile.h"

#include "containers/Environment.h"

std::optional<std::string> FontFileFromEnvironment() { return EnvironmentVariable("QUORVANEL_FONT"); }
