// Reading the game's catalogs from the host's folders (see CatalogFiles.h).
#include "app/CatalogFiles.h"

#include "containers/Translation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A catalog is small; anything larger than this is not one of ours.
constexpr off_t kLargestCatalog = 4 << 20;

CErrorOr<std::optional<std::string>> ReadCatalogFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::optional<std::string>();
        return CFailure{"cannot read " + path + ": " + std::strerror(errno)};
    }
    CErrorOr<std::optional<std::string>> result = std::optional<std::string>();
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        result = CFailure{"cannot read " + path + ": " + std::strerror(errno)};
    } else if (S_ISDIR(info.st_mode)) {
        result = CFailure{path + " is a folder, not a catalog"};
    } else if (info.st_size > kLargestCatalog) {
        result = CFailure{path + " is not a catalog of this game's size"};
    } else {
        std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        if (got == bytes.size())
            result = std::optional<std::string>(std::move(bytes));
        else
            result = CFailure{"cannot read " + path + ": " + std::strerror(errno)};
    }
    close(fd);
    return result;
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
