// The languages the user chose for the system's own texts, best first, as
// the system names them ("en-US", "zh-CN"): the game's language follows them
// after --lang and the environment (i18n/LanguageChoice.h). Defined for each
// system: linux/, win32/.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> UserInterfaceLanguages();
