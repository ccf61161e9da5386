// Choosing the language: the settings in gettext's order, the names a
// setting stands for, what a missing or broken catalog leads to, and the
// table of choices the page's rule is tested on too.
#include "i18n/LanguageChoice.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// A catalog with no texts: the magic number, the revision, no entries.
const std::string kEmptyCatalog = std::string("\xde\x12\x04\x95", 4) + std::string(16, '\0');

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

// The system's own languages (Windows' display languages) come after
// everything the environment says, named as the page names a browser's.
TEST(LanguageChoiceTest, TheSystemsLanguagesComeAfterTheEnvironment) {
    const std::vector<std::string> system = {"en-GB", "zh-Hans-CN", "de"};
    const struct {
        std::optional<std::string> option;
        const char* lang;
        std::vector<std::string> preferences;
        const char* chosen;
    } cases[] = {
        {std::nullopt, nullptr, {"en_GB", "zh_Hans_CN", "de"}, "en_GB"},
        {std::nullopt, "fr_FR.UTF-8", {"fr_FR.UTF-8", "en_GB", "zh_Hans_CN", "de"}, "en_GB"},
        // "C" is a choice of the game's own texts, made before the system's list.
        {std::nullopt, "C.UTF-8", {"C.UTF-8", "en_GB", "zh_Hans_CN", "de"}, "zh_CN"},
        {"qps", nullptr, {"qps"}, "qps"},
    };
    const CatalogReader catalogs = [](const std::string& name) -> CErrorOr<std::optional<std::string>> {
        if (name == "en_GB" || name == "qps" || name == "de")
            return std::optional<std::string>(kEmptyCatalog);
        return std::optional<std::string>();
    };
    CScopedEnv language("LANGUAGE", nullptr), all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr);
    for (const auto& test : cases) {
        CScopedEnv lang("LANG", test.lang);
        const std::vector<std::string> preferences = LanguagePreferences(test.option, system);
        EXPECT_EQ(preferences, test.preferences) << test.chosen;
        EXPECT_EQ(ChooseLanguage(preferences, catalogs).language, test.chosen);
    }
    // Chinese first in the system's list: the game's own texts, whatever follows.
    CScopedEnv lang("LANG", nullptr);
    EXPECT_EQ(ChooseLanguage(LanguagePreferences(std::nullopt, {"zh-CN", "en-GB"}), catalogs).language,
              "zh_CN");
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
    const std::string& english = kEmptyCatalog;
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

// The words of one column of the table; "-" is none.
std::vector<std::string> Words(const std::string& column) {
    std::istringstream in(column);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        if (word != "-") words.push_back(word);
    return words;
}

TEST(LanguageChoiceTest, ChoosesAsTheSharedTableSays) {
    std::ifstream table(QUORVANEL_SOURCE_DIR "/tests/i18n/language-choice.txt");
    ASSERT_TRUE(table) << "no table of choices";
    int cases = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t first = line.find('|'), second = line.find('|', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        const std::vector<std::string> settings = Words(line.substr(0, first));
        const std::vector<std::string> there = Words(line.substr(first + 1, second - first - 1));
        const std::vector<std::string> choice = Words(line.substr(second + 1));
        ASSERT_EQ(choice.size(), 1u) << line;
        const CatalogReader read = [&](const std::string& name) -> CErrorOr<std::optional<std::string>> {
            if (std::find(there.begin(), there.end(), name) == there.end())
                return std::optional<std::string>();
            return std::optional<std::string>(kEmptyCatalog);
        };
        EXPECT_EQ(ChooseLanguage(settings, read).language, choice[0]) << line;
        ++cases;
    }
    EXPECT_GT(cases, 10);
}

}  // namespace
