// Which language the game speaks: the --lang option, else the settings gettext
// reads, in its order (LANGUAGE, a list separated by colons, unless the locale
// is "C", "POSIX" or not set at all; then the first set of LC_ALL, LC_MESSAGES
// and LANG), then the languages the system's user chose (Windows' display
// languages; Linux says it all in the environment). No locale need be installed: the program reads its own catalogs.
// Each setting is tried as language_TERRITORY, then language; Chinese, "C" and
// "POSIX" choose the game's own texts, as does running out of settings.
#pragma once

#include "base/ErrorOr.h"
#include "i18n/MessageCatalog.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A language setting fit to name a catalog file: "en", "en_GB.UTF-8",
// "sr@latin"; never a path.
bool IsLanguageName(std::string_view name);

// The settings to try, best first. systemLanguages are named as the system
// and the web name them ("en-US"), read as settings as the page reads a
// browser's ("en_US").
std::vector<std::string> LanguagePreferences(const std::optional<std::string>& option,
                                             const std::vector<std::string>& systemLanguages = {});

// The catalog names a setting stands for, best first: "en_GB.UTF-8" gives
// "en_GB", "en"; empty for Chinese, "C" and "POSIX".
std::vector<std::string> CatalogNames(std::string_view setting);
bool IsSourceLanguage(std::string_view setting);

struct CLanguageChoice {
    std::string language;                            // the catalog's name; "zh_CN" for the game's own
    std::shared_ptr<const CMessageCatalog> catalog;  // null for the game's own
    std::optional<std::string> warning;              // a catalog that could not be read
};

// The bytes of the catalog for a name, none when there is no such catalog,
// or why it cannot be read.
using CatalogReader = std::function<CErrorOr<std::optional<std::string>>(const std::string& name)>;

CLanguageChoice ChooseLanguage(const std::vector<std::string>& preferences, const CatalogReader& read);
