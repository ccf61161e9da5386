// Choosing the game's language (see LanguageChoice.h).
#include "i18n/LanguageChoice.h"

#include "base/Environment.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kSourceLanguage = "zh_CN";

// One catalog, or why it failed.
CErrorOr<std::optional<CMessageCatalog>> Load(const std::string& name, const CatalogReader& read) {
    const CErrorOr<std::optional<std::string>> bytes = read(name);
    if (!bytes) return CFailure{bytes.Reason()};
    if (!*bytes) return std::optional<CMessageCatalog>();
    CErrorOr<CMessageCatalog> catalog = CMessageCatalog::Parse(**bytes);
    if (!catalog) return CFailure{catalog.Reason()};
    return std::optional<CMessageCatalog>(std::move(catalog).Value());
}

}  // namespace

bool IsLanguageName(std::string_view name) {
    if (name.empty() || name.size() > 64 || name[0] == '.') return false;
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.' && c != '@')
            return false;
    return true;
}

bool IsSourceLanguage(std::string_view setting) {
    return setting == "C" || setting == "POSIX" || setting.substr(0, 2) == "zh" ||
           setting.substr(0, 2) == "C.";
}

std::vector<std::string> LanguagePreferences(const std::optional<std::string>& option,
                                             const std::vector<std::string>& systemLanguages) {
    if (option) return {*option};
    std::optional<std::string> locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if ((locale = EnvironmentVariable(name))) break;
    std::vector<std::string> preferences;
    // gettext leaves LANGUAGE aside in the "C" locale, which is also what no setting means.
    if (const std::optional<std::string> list = EnvironmentVariable("LANGUAGE");
        list && locale && locale != "C" && locale != "POSIX") {
        for (std::size_t at = 0; at <= list->size();) {
            const std::size_t end = std::min(list->find(':', at), list->size());
            if (end > at) preferences.push_back(list->substr(at, end - at));
            at = end + 1;
        }
    }
    if (locale) preferences.push_back(*locale);
    for (std::string language : systemLanguages) {
        std::replace(language.begin(), language.end(), '-', '_');
        preferences.push_back(std::move(language));
    }
    return preferences;
}

std::vector<std::string> CatalogNames(std::string_view setting) {
    if (!IsLanguageName(setting) || IsSourceLanguage(setting)) return {};
    const std::string_view full = setting.substr(0, setting.find_first_of(".@"));
    const std::string_view language = full.substr(0, full.find('_'));
    std::vector<std::string> names{std::string(full)};
    if (language != full) names.emplace_back(language);
    return names;
}

CLanguageChoice ChooseLanguage(const std::vector<std::string>& preferences, const CatalogReader& read) {
    for (const std::string& setting : preferences) {
        if (IsSourceLanguage(setting)) break;
        for (const std::string& name : CatalogNames(setting)) {
            CErrorOr<std::optional<CMessageCatalog>> catalog = Load(name, read);
            if (!catalog)
                return {kSourceLanguage, nullptr,
                        "the catalog for \"" + name + "\" cannot be used (" + catalog.Reason() +
                            "); playing in Chinese"};
            std::optional<CMessageCatalog> loaded = std::move(catalog).Value();
            if (!loaded) continue;
            return {name, std::make_shared<const CMessageCatalog>(std::move(*loaded)), std::nullopt};
        }
    }
    return {kSourceLanguage, nullptr, std::nullopt};
}
