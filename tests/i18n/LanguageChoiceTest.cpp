// Choosing the language: the settings in gettext's order, the names a
// setting stands for, and what a missing or broken catalog leads to.
#include "i18n/LanguageChoice.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(LanguageChoiceTest, ReadsTheOptionElseTheEnvironmentInGettextsOrder) {
    const struct {
        std::optional<std::string> option;
        const char *language, *all, *messages, *lang;
        std::vector<std::string> preferences;
    } cases[] = {
        {"qps", "de", "fr", nullptr, nullptr, {"qps"}},
        {std::nullopt, "en_GB:de::fr", "C.UTF-8", "it", "es", {"en_GB", "de", "fr", "C.UTF-8"}},
        {std::nullopt, "de", "C", nullptr, nullptr, {"C"}},
        {std::nullopt, "de", nullptr, "POSIX", nullptr, {"POSIX"}},
        {std::nullopt, nullptr, nullptr, "en_US.UTF-8", "fr", {"en_US.UTF-8"}},
        {std::nullopt, "", "", "", "en", {"en"}},
        {std::nullopt, nullptr, nullptr, nullptr, nullptr, {}},
        {std::nullopt, "en", nullptr, nullptr, nullptr, {}},
    };
    for (const auto& test : cases) {
        CScopedEnv language("LANGUAGE", test.language), all("LC_ALL", test.all),
            messages("LC_MESSAGES", test.messages), lang("LANG", test.lang);
        EXPECT_EQ(LanguagePreferences(test.option), test.preferences) << test.preferences.size();
    }
}

TEST(LanguageChoiceTest, NamesCatalogsFromSettingsAndNeverFromPaths) {
    const struct {
        const char* setting;
        std::vector<std::string> names;
    } cases[] = {
        {"en", {"en"}},
        {"en_GB.UTF-8", {"en_GB", "en"}},
        {"sr@latin", {"sr"}},
        {"zh_CN.UTF-8", {}},
        {"zh_TW", {}},
        {"C", {}},
        {"C.UTF-8", {}},
        {"../../etc/en", {}},
        {"en/x", {}},
        {".en", {}},
        {"", {}},
    };
    for (const auto& test : cases) EXPECT_EQ(CatalogNames(test.setting), test.names) << test.setting;
}

TEST(LanguageChoiceTest, TakesTheFirstCatalogThereIsAndWarnsOfABrokenOne) {
    const std::string english = std::string("\xde\x12\x04\x95", 4) + std::string(16, '\0');
    const std::map<std::string, CErrorOr<std::optional<std::string>>> files = {
        {"en", std::optional<std::string>(english)},
        {"qps", std::optional<std::string>(english)},
        {"de", std::optional<std::string>("garbage")},
        {"fr", CFailure{"cannot read fr.mo: Permission denied"}},
    };
    const CatalogReader read = [&](const std::string& name) -> CErrorOr<std::optional<std::string>> {
        const auto found = files.find(name);
        return found == files.end() ? std::optional<std::string>() : found->second;
    };
    const struct {
        std::vector<std::string> preferences;
        std::string language;
        bool catalog;
        std::string warning;
    } cases[] = {
        {{"it", "en_GB.UTF-8", "de"}, "en", true, ""},
        {{"qps"}, "qps", true, ""},
        {{"it", "zh_CN", "en"}, "zh_CN", false, ""},
        {{"it"}, "zh_CN", false, ""},
        {{}, "zh_CN", false, ""},
        {{"de_AT", "en"},
         "zh_CN",
         false,
         "the catalog for \"de\" cannot be used (too short for a catalog); playing in Chinese"},
        {{"fr"},
         "zh_CN",
         false,
         "the catalog for \"fr\" cannot be used (cannot read fr.mo: Permission denied); playing in Chinese"},
    };
    for (const auto& test : cases) {
        const CLanguageChoice choice = ChooseLanguage(test.preferences, read);
        EXPECT_EQ(choice.language, test.language);
        EXPECT_EQ(choice.catalog != nullptr, test.catalog) << test.language;
        EXPECT_EQ(choice.warning.value_or(""), test.warning);
    }
}

}  // namespace
