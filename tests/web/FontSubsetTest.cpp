// The browser build's font subset draws every character the game can draw
// exactly as the full font does, at every size the game uses: the same glyph
// metrics and the same coverage, pixel for pixel. A character the subset
// lacks comes out as the subset's missing-glyph box and fails.
//
// usage: web_font_test SUBSET_FONT CHARACTERS_FILE (scripts/game-characters's output)
#include "gfx/FontFace.h"
#include "gfx/Utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string subsetPath;
std::u32string characters;

constexpr const char* kFullFont = "/usr/share/fonts/truetype/arphic/uming.ttc";

std::shared_ptr<const CFontFace> OpenFace(const std::string& path, int pixels) {
    const CErrorOr<std::shared_ptr<const CFontFace>> face =
        CFontFace::Open({path, 0}, CLogFont{-pixels, 0, 400, false, "宋体"});
    EXPECT_TRUE(face) << face.Reason();
    return face ? *face : nullptr;
}

class FontSubset : public testing::TestWithParam<int> {};

TEST_P(FontSubset, DrawsEveryGameCharacterAsTheFullFont) {
    ASSERT_GT(characters.size(), 95u) << "no game characters beyond ASCII were given";
    const auto subset = OpenFace(subsetPath, GetParam());
    const auto full = OpenFace(kFullFont, GetParam());
    ASSERT_TRUE(subset && full);
    EXPECT_EQ(subset->Ascent(), full->Ascent());
    int different = 0;
    for (const char32_t c : characters) {
        const Glyph& a = subset->GetGlyph(c);
        const Glyph& b = full->GetGlyph(c);
        const bool same = a.left == b.left && a.top == b.top && a.width == b.width && a.rows == b.rows &&
                          a.advance == b.advance && a.coverage == b.coverage;
        if (!same) ++different;
        EXPECT_TRUE(same) << "U+" << std::hex << static_cast<unsigned>(c) << " at " << std::dec << GetParam()
                          << " px";
    }
    EXPECT_EQ(different, 0) << "of " << characters.size() << " characters";
}

// The screens' text (12 points) and the titles drawn larger from outlines.
INSTANTIATE_TEST_SUITE_P(GameSizes, FontSubset, testing::Values(16, 22));

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: web_font_test SUBSET_FONT CHARACTERS_FILE\n");
        return 2;
    }
    subsetPath = argv[1];
    std::ifstream file(argv[2], std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    characters = DecodeUtf8(text);
    return RUN_ALL_TESTS();
}
