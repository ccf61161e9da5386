// Reading the game's catalogs from the host's folders (see CatalogFiles.h).
#include "app/CatalogFiles.h"

#include "containers/Translation.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// A catalog is small; anything larger than this is not one of ours.
constexpr std::streamoff kLargestCatalog = 4 << 20;

CErrorOr<std::optional<std::string>> ReadCatalogFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return CFailure{path + " is a folder, not a catalog"};
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR) return std::optional<std::string>();
        return CFailure{"cannot read " + path + ": " + std::strerror(errno)};
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0 || size > kLargestCatalog) return CFailure{path + " is not a catalog of this game's size"};
    file.seekg(0);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!file.read(bytes.data(), size)) return CFailure{"cannot read " + path};
    return std::optional<std::string>(std::move(bytes));
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
                                  const std::vector<std::string>& folders) {
    CLanguageChoice choice = ChooseLanguage(LanguagePreferences(option), CatalogFilesIn(folders));
    // A language asked for by name that the game lacks is worth a word; one
    // merely set in the environment is not.
    if (option && !choice.warning && choice.catalog == nullptr && !CatalogNames(*option).empty())
        choice.warning = "the game has no catalog for \"" + *option + "\"; playing in Chinese";
    UseCatalog(choice.catalog);
    return choice;
}
