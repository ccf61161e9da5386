// Where the game's compiled catalogs are: FOLDER/LANG/LC_MESSAGES/quorvanel.mo
// in the first of the host's folders that has the file (the desktop: a
// "locale" folder beside the program, which the build tree has, then the
// installed locale folder; the page: /locale in its file system).
#pragma once

#include "i18n/LanguageChoice.h"

#include <string>
#include <vector>

// Reads catalogs from folders, in order; a file that is there but cannot be
// read is an error, one that is not there is looked for in the next folder.
CatalogReader CatalogFilesIn(std::vector<std::string> folders);

// The language of the options' --lang, else of the environment, else of the
// system's languages (LanguagePreferences), made the one Tr speaks; returns
// the choice (with a warning when a catalog is broken).
CLanguageChoice UseChosenLanguage(const std::optional<std::string>& option,
                                  const std::vector<std::string>& folders,
                                  const std::vector<std::string>& systemLanguages = {});
