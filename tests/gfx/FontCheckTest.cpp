// The start-up check of the game's font: each way a file can be unusable
// gets its own reason and the file's name in one line, and the list of the
// game's characters that a font must draw stays in step with the texts of
// the program's sources.
#include "gfx/FontCheck.h"
#include "gfx/GameCharacters.h"
#include "gfx/Utf8.h"

#include "support/FailureReason.h"
#include "support/OnlyOnPosix.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

std::string ProblemWithFont(const std::string& path) {
    const CScopedEnv font("QUORVANEL_FONT", path.c_str());
    return FailureReason(CheckGameFont());
}

TEST(FontCheckTest, TheInstalledFontDrawsEveryCharacterOfTheGame) {
    EXPECT_EQ(FailureReason(CheckGameFont()), "");
    EXPECT_EQ(FailureReason(CheckGameFont("Level\r\nYou can win.")), "");
    // A language whose texts the font cannot draw is refused like the game's own.
    const std::string problem = FailureReason(CheckGameFont("Level \xF0\x9F\x98\x80"));
    EXPECT_NE(problem.find(" has no glyph for '\xF0\x9F\x98\x80' (U+1F600), which the game draws"),
              std::string::npos)
        << problem;
}

TEST(FontCheckTest, EachUnusableFileIsNamedWithWhatIsWrong) {
    SKIP_ON_WINDOWS("symbolic links, and a folder opened as a file");
    const std::filesystem::path folder = ::testing::TempDir() + "quorvanel-font-check";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string loop = (folder / "loop.ttc").string();
    std::filesystem::create_symlink(loop, loop);
    const std::string advice = "; set QUORVANEL_FONT to a font file with Chinese glyphs";
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{"/nonexistent/uming.ttc", "does not exist"},
                          Case{loop, "cannot be read: Too many levels of symbolic links"},
                          Case{folder.string(), "is a folder, not a font file"}}) {
        const std::string problem = ProblemWithFont(c.path);
        EXPECT_EQ(problem.rfind("the font file " + c.path + " (QUORVANEL_FONT) " + c.reason + advice, 0), 0u)
            << problem;
        EXPECT_EQ(problem.find('\n'), std::string::npos);
    }
    std::filesystem::remove_all(folder);
}

// A font without Chinese glyphs (DejaVu Sans comes with fontconfig on
// Debian) is refused, naming the first of the game's characters it lacks.
TEST(FontCheckTest, AFontWithoutTheGamesGlyphsNamesTheFirstMissingCharacter) {
    const std::string path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    const std::string problem = ProblemWithFont(path);
    const std::string start = "the font file " + path + " (QUORVANEL_FONT) has no glyph for '";
    ASSERT_EQ(problem.rfind(start, 0), 0u) << problem;
    const Utf8Char named = DecodeUtf8At(problem, start.size());
    EXPECT_TRUE(named.valid);
    EXPECT_GT(named.codePoint, 0x7Fu);
    const std::u32string characters = DecodeUtf8(GameCharacters());
    EXPECT_NE(characters.find(named.codePoint), std::u32string::npos);
    char code[32];
    std::snprintf(code, sizeof code, "' (U+%04X), which", static_cast<unsigned>(named.codePoint));
    EXPECT_EQ(problem.find(code), start.size() + named.length) << problem;
}

// Every character other than ASCII inside a string literal of the sources
// (comments and character literals left out).
std::set<char32_t> CharactersOfTheSources() {
    std::set<char32_t> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(QUORVANEL_SOURCE_DIR "/src")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "//") == 0) {
                i = text.find('\n', i);
            } else if (text.compare(i, 2, "/*") == 0) {
                i = text.find("*/", i) + 1;
            } else if (text[i] == '\'' || text[i] == '"') {
                const char quote = text[i];
                for (++i; i < text.size() && text[i] != quote; ++i) {
                    if (text[i] == '\\') {
                        ++i;
                    } else if (quote == '"' && static_cast<unsigned char>(text[i]) >= 0x80) {
                        const Utf8Char step = DecodeUtf8At(text, i);
                        found.insert(step.codePoint);
                        i += step.length - 1;
                    }
                }
            }
            if (i == std::string::npos) break;
        }
    }
    return found;
}

TEST(GameCharactersTest, PrintableAsciiAndEveryCharacterOfTheTextsInOrder) {
    const std::u32string listed = DecodeUtf8(GameCharacters());
    std::set<char32_t> expected = CharactersOfTheSources();
    for (char32_t c = 0x20; c < 0x7F; ++c) expected.insert(c);
    std::string missing;
    for (const char32_t c : expected)
        if (listed.find(c) == std::u32string::npos) missing += EncodeUtf8(c);
    std::string stale;
    for (const char32_t c : listed)
        if (!expected.count(c)) stale += EncodeUtf8(c);
    EXPECT_EQ(missing, "")
        << "add these to data/game-characters.txt (scripts/game-characters > data/game-characters.txt)";
    EXPECT_EQ(stale, "") << "no text uses these any more: take them out of data/game-characters.txt";
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()) &&
                std::adjacent_find(listed.begin(), listed.end()) == listed.end())
        << "data/game-characters.txt is kept in code-point order without repeats";
}

}  // namespace
