// The catalogs' folders: the first that has the file wins; a file that is
// there but broken or unreadable gives one warning and Chinese. The
// pseudo-language's catalog, which the build makes from the English one.
#include "app/CatalogFiles.h"
#include "base/SystemFile.h"
#include "i18n/Translation.h"
#include "support/ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(CatalogFilesTest, TheFirstFolderWithTheCatalogWinsAndABrokenOneMeansChinese) {
    const CTempFolder folder;
    const std::string english = QUORVANEL_CATALOG_DIR "/en/LC_MESSAGES/quorvanel.mo";
    for (const char* language : {"de", "fr", "it"})
        std::filesystem::create_directories(folder.File(std::string("b/") + language + "/LC_MESSAGES"));
    std::filesystem::copy_file(english, folder.File("b/de/LC_MESSAGES/quorvanel.mo"));
    folder.Write("b/fr/LC_MESSAGES/quorvanel.mo", "\xde\x12\x04\x95 cut short");
    std::filesystem::create_directories(folder.File("b/it/LC_MESSAGES/quorvanel.mo"));
    const std::vector<std::string> folders = {folder.File("a"), folder.File("b")};
    const struct {
        const char* option;
        const char* language;
        const char* level;
        std::string warning;
    } cases[] = {
        {"de_AT", "de", "Level", ""},
        {"fr", "zh_CN", "等级",
         "the catalog for \"fr\" cannot be used (too short for a catalog); playing in Chinese"},
        {"it", "zh_CN", "等级",
         "the catalog for \"it\" cannot be used (" + folder.File("b/it/LC_MESSAGES/quorvanel.mo") +
             " is a folder, not a catalog); playing in Chinese"},
        {"es", "zh_CN", "等级", "the game has no catalog for \"es\"; playing in Chinese"},
    };
    for (const auto& test : cases) {
        const CLanguageChoice choice = UseChosenLanguage(test.option, folders);
        EXPECT_EQ(choice.language, test.language);
        EXPECT_STREQ(Tr("等级"), test.level);
        EXPECT_EQ(choice.warning.value_or(""), test.warning);
    }
    UseCatalog(nullptr);
}

// Where the program is unpacked decides where its catalogs are: a folder
// named in Chinese is a UTF-8 path, not Windows' code page.
TEST(CatalogFilesTest, ACatalogInAFolderNamedInChineseIsFound) {
    const CTempFolder folder;
    const std::string unpacked = folder.File("我的 游戏");
    std::filesystem::create_directories(SystemFile::PathOf(unpacked + "/en/LC_MESSAGES"));
    std::filesystem::copy_file(QUORVANEL_CATALOG_DIR "/en/LC_MESSAGES/quorvanel.mo",
                               SystemFile::PathOf(unpacked + "/en/LC_MESSAGES/quorvanel.mo"));
    const CLanguageChoice choice = UseChosenLanguage("en", {unpacked});
    EXPECT_EQ(choice.language, "en");
    EXPECT_EQ(choice.warning.value_or(""), "");
    EXPECT_STREQ(Tr("等级"), "Level");
    UseCatalog(nullptr);
}

// Each line a third longer ('~' at its end), the whole in brackets but for a
// final line break, which msgfmt wants a translation to end with as its
// source does; plural forms alike.
TEST(CatalogFilesTest, ThePseudoLanguageIsEnglishAThirdLongerInBrackets) {
    ASSERT_EQ(UseChosenLanguage("qps", {QUORVANEL_CATALOG_DIR}).language, "qps");
    EXPECT_STREQ(Tr("等级"), "[Level~~]");
    EXPECT_STREQ(Tr("%s\r\n等级:%d\r\n"), "[%s~\r\nLevel: %d~~~]\r\n");
    EXPECT_STREQ(Tr("打不过\r\n"), "[You would lose.~~~~~]\r\n");
    EXPECT_STREQ(TrN("你最多可以学习%d个技能。", "你最多可以学习%d个技能。", 1),
                 "[You can learn %d skill.~~~~~~~~]");
    EXPECT_STREQ(TrN("你最多可以学习%d个技能。", "你最多可以学习%d个技能。", 2),
                 "[You can learn up to %d skills.~~~~~~~~~~]");
    UseCatalog(nullptr);
}

}  // namespace
