// Compiled catalogs: what a well-formed one translates, every way a broken
// one is refused, and the plural rule's arithmetic.
#include "i18n/MessageCatalog.h"
#include "i18n/Translation.h"
#include "support/FailureReason.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// A catalog file as msgfmt lays it out: header, the two tables, the strings.
std::string MoFile(const std::vector<std::pair<std::string, std::string>>& entries) {
    const auto count = static_cast<std::uint32_t>(entries.size());
    std::vector<std::uint32_t> words{0x950412de, 0, count, 28, 28 + 8 * count, 0, 0};
    std::string strings;
    std::uint32_t at = 28 + 16 * count;
    std::vector<std::uint32_t> sources, translations;
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& [source, translation] : entries) {
            const std::string& text = pass == 0 ? source : translation;
            (pass == 0 ? sources : translations)
                .insert((pass == 0 ? sources : translations).end(),
                        {static_cast<std::uint32_t>(text.size()), at});
            strings += text + '\0';
            at += static_cast<std::uint32_t>(text.size() + 1);
        }
    words.insert(words.end(), sources.begin(), sources.end());
    words.insert(words.end(), translations.begin(), translations.end());
    std::string file(words.size() * 4, '\0');
    std::memcpy(file.data(), words.data(), file.size());
    return file + strings;
}

const std::string kHeader =
    "Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=2; plural=(n != 1);\n";
const std::vector<std::pair<std::string, std::string>> kEntries = {
    {"", kHeader},
    {"等级", "Level"},
    {std::string("%d个技能\0%d个技能", 23), std::string("%d skill\0%d skills", 18)},
    {"攻击增加5%。", "Attack +5%."},
    {"未译", ""},
};

void Patch(std::string& file, std::size_t offset, std::uint32_t word) {
    std::memcpy(&file[offset], &word, 4);
}

TEST(MessageCatalogTest, TranslatesTextsAndPluralsAndLeavesTheRestToTheSource) {
    const CErrorOr<CMessageCatalog> catalog = CMessageCatalog::Parse(MoFile(kEntries));
    ASSERT_EQ(FailureReason(catalog), "");
    EXPECT_EQ(*catalog->Find("等级"), "Level");
    EXPECT_EQ(*catalog->Find("攻击增加5%。"), "Attack +5%.");
    EXPECT_EQ(catalog->Find("未译"), nullptr);
    EXPECT_EQ(catalog->Find("没有"), nullptr);
    EXPECT_EQ(*catalog->FindPlural("%d个技能", 1), "%d skill");
    EXPECT_EQ(*catalog->FindPlural("%d个技能", 0), "%d skills");

    UseCatalog(std::make_shared<const CMessageCatalog>(*catalog));
    EXPECT_STREQ(Tr("等级"), "Level");
    EXPECT_STREQ(TrN("%d个技能", "%d个技能", 7), "%d skills");
    {
        const CSourceTexts chinese;
        EXPECT_STREQ(Tr("等级"), "等级");
    }
    EXPECT_STREQ(Tr("等级"), "Level");
    UseCatalog(nullptr);
    EXPECT_STREQ(Tr("等级"), "等级");
}

TEST(MessageCatalogTest, RefusesEveryKindOfBrokenFileWithAReason) {
    const std::string good = MoFile(kEntries);
    auto changed = [&](auto change) {
        std::string file = good;
        change(file);
        return file;
    };
    const std::uint32_t firstString = 28 + 16 * static_cast<std::uint32_t>(kEntries.size());
    const struct {
        std::string file;
        std::string reason;
    } cases[] = {
        {good.substr(0, 12), "too short for a catalog"},
        {changed([](std::string& f) { f[0] = 'X'; }), "not a compiled catalog (wrong magic number)"},
        {changed([](std::string& f) { Patch(f, 4, 2u << 16); }),
         "a catalog revision this reader does not know"},
        {changed([](std::string& f) { Patch(f, 8, 0x40000000); }), "more strings than the file can hold"},
        {changed([](std::string& f) { Patch(f, 12, 0xfffffff0); }), "a string table runs past the end"},
        {changed([](std::string& f) { Patch(f, 28 + 12, 0xffffffff); }), "a string runs past the end"},
        {changed([](std::string& f) { Patch(f, 28 + 8, 0xfffffff0); }), "a string runs past the end"},
        {good.substr(0, good.size() - 1), "a string runs past the end"},
        {changed([&](std::string& f) { f[firstString] = 'x'; }), "a string lacks its NUL"},
        {MoFile({{"", "Plural-Forms: nplurals=2; plural=(n != ;\n"}}),
         "its Plural-Forms cannot be read: plural=: unexpected ';'"},
        {MoFile({{"%d级", "level %s"}}), "the translation of \"%d级\" changes its conversions"},
        {MoFile({{std::string("%d个\0%d个", 9), std::string("one\0%d", 6)}}),
         "the translation of \"%d个\" changes its conversions"},
    };
    for (const auto& broken : cases)
        EXPECT_EQ(FailureReason(CMessageCatalog::Parse(broken.file)), broken.reason) << broken.reason;
}

TEST(MessageCatalogTest, ReadsBigEndianFiles) {
    std::string file = MoFile({{"等级", "Level"}});
    for (std::size_t at = 0; at < 44; at += 4)
        std::swap(file[at], file[at + 3]), std::swap(file[at + 1], file[at + 2]);
    const CErrorOr<CMessageCatalog> catalog = CMessageCatalog::Parse(file);
    ASSERT_EQ(FailureReason(catalog), "");
    EXPECT_EQ(*catalog->Find("等级"), "Level");
}

TEST(MessageCatalogTest, ConversionsAreWhatPrintfReads) {
    const struct {
        const char* text;
        std::vector<std::string> conversions;
    } cases[] = {
        {"你%d回合消灭对方%5.2f伤害", {"d", "f"}},
        {"%5.2f%%", {"f"}},
        {"攻击增加5%。", {}},
        {"Attack +5%.", {}},
        {"%-08.3lu %s %n", {"lu", "s", "n"}},
        {"100% d", {"d"}},
        {"%", {}},
    };
    for (const auto& test : cases) EXPECT_EQ(FormatConversions(test.text), test.conversions) << test.text;
}

TEST(PluralFormsTest, EvaluatesTheRulesOfRealLanguages) {
    const struct {
        const char* header;
        std::vector<int> formsFrom0To25;  // then 101, 111, 1000000
    } cases[] = {
        {"nplurals=1; plural=0;", std::vector<int>(29, 0)},
        {"nplurals=2; plural=(n != 1);",
         {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"nplurals=2; plural=n>1;",
         {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {" nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 "
         ": 2);",
         {2, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 1, 1, 1, 2, 0, 2, 2}},
        {"nplurals=4; plural=!(n-1) ? 0 : n/0 + n%0 + (n*2 - 4 ? 3 : 2);",
         {3, 0, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {"nplurals=2; plural=n+5;",  // a form past the count falls back to the first
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& test : cases) {
        const CErrorOr<CPluralForms> forms = CPluralForms::Parse(test.header);
        ASSERT_EQ(FailureReason(forms), "") << test.header;
        for (unsigned long n = 0; n < 29; ++n) {
            const unsigned long number = n < 26 ? n : n == 26 ? 101 : n == 27 ? 111 : 1000000;
            EXPECT_EQ(forms->FormFor(number), test.formsFrom0To25[n]) << test.header << " n=" << number;
        }
    }
}

TEST(PluralFormsTest, RefusesWhatItCannotRead) {
    const struct {
        std::string header;
        std::string reason;
    } cases[] = {
        {"plural=n;", "no nplurals= and plural="},
        {"nplurals=0; plural=0;", "nplurals is not a number of at least 1"},
        {"nplurals=500; plural=0;", "more than 100 plural forms"},
        {"nplurals=2; plural=n ? 1;", "plural=: a '?' without its ':'"},
        {"nplurals=2; plural=(n;", "plural=: a '(' without its ')'"},
        {"nplurals=2; plural=n +", "plural=: the expression ends too soon"},
        {"nplurals=2; plural=m;", "plural=: unexpected 'm'"},
        {"nplurals=2; plural=n\x01;", "plural=: unexpected character"},
        {"nplurals=2; plural=" + std::string(500, '(') + "n", "plural=: the expression nests too deeply"},
        {"nplurals=2; plural=" + std::string(90, '!') + std::string(90, '(') + "n",
         "plural=: the expression nests too deeply"},
        {"nplurals=2; plural=n" + std::string(2000, '+') + ";", "the plural rule is too long"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(FailureReason(CPluralForms::Parse(test.header)), test.reason) << test.header.substr(0, 40);
}

}  // namespace
