// Reading the game's catalogs from the host's folders (see CatalogFiles.h).
#include "app/CatalogFiles.h"

#include "base/SystemFile.h"
#include "gfx/WholeFile.h"
#include "i18n/Translation.h"

#include <filesystem>
#include <system_error>

namespace {

// A catalog is small; anything larger than this is not one of ours.
constexpr std::size_t kLargestCatalog = 4 << 20;

CErrorOr<std::optional<std::string>> ReadCatalogFile(const std::string& path) {
    std::error_code error;
    // A UTF-8 path: a folder named in Chinese is one on Windows too.
    const std::filesystem::file_status status = std::filesystem::status(SystemFile::PathOf(path), error);
    if (status.type() == std::filesystem::file_type::not_found) return std::optional<std::string>();
    if (std::filesystem::is_directory(status)) return CFailure{path + " is a folder, not a catalog"};
    CErrorOr<std::string> bytes = ReadSmallFile(path, kLargestCatalog);
    if (!bytes) return CFailure{"cannot read " + path + ": " + bytes.Reason()};
    return std::optional<std::string>(std::move(*bytes));
}

}  // namespace

CatalogReader CatalogFilesIn(std::vector<std::string> folders) {
    return [folders = std::move(folders)](const std::string& name) -> CErrorOr<std::optional<std::string>> {
        for (const std::string& folder : folders) {
            CErrorOr<std::optional<std::string>> bytes =
                ReadCatalogFile(folder + "/" + name + "/LC_MESSAGES/quorvanel.mo");
            if (!bytes || *bytes) return bytes;
        }
        return std::optional<std::string>();
    };
}

CLanguageChoice UseChosenLanguage(const std::optional<std::string>& option,
                                  const std::vector<std::string>& folders,
                                  const std::vector<std::string>& systemLanguages) {
    CLanguageChoice choice =
        ChooseLanguage(LanguagePreferences(option, systemLanguages), CatalogFilesIn(folders));
    // A language asked for by name that the game lacks is worth a word; one
    // merely set in the environment is not.
    if (option && !choice.warning && choice.catalog == nullptr && !CatalogNames(*option).empty())
        choice.warning = "the game has no catalog for \"" + *option + "\"; playing in Chinese";
    UseCatalog(choice.catalog);
    return choice;
}
