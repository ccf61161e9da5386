// A character the game's font lacks (a user's folder name in a message box)
// is drawn by a Chinese font of Windows' own where one is installed, at the
// game's size; the game's own characters never are. A font of the build
// machine's plays Windows' SimSun in a Fonts folder of the test's own.
#include "base/SystemFile.h"
#include "gfx/FontFace.h"
#include "support/FailureReason.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

constexpr char32_t kKing = U'\u2654';   // ♔: in DejaVu Sans, not in AR PL UMing
constexpr char32_t kFight = U'\u8BA8';  // 讨: in both

std::shared_ptr<const CFontFace> Face(const FontFile& file) {
    CLogFont description;
    description.height = -16;
    CErrorOr<std::shared_ptr<const CFontFace>> face = CFontFace::Open(file, description);
    EXPECT_EQ(FailureReason(face), "");
    return face ? *face : nullptr;
}

bool operator==(const Glyph& a, const Glyph& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.rows == b.rows &&
           a.advance == b.advance && a.coverage == b.coverage;
}

TEST(FontFallbackTest, ACharacterTheGameFontLacksComesFromTheSystemsChineseFont) {
    const CErrorOr<FontFile> game = FindFontFile("");
    ASSERT_EQ(FailureReason(game), "");
    const FontFile system{QUORVANEL_STAND_IN_FONT, 0};
    const std::shared_ptr<const CFontFace> stand = Face(system);
    ASSERT_TRUE(stand && stand->HasGlyph(kKing));

    CTempFolder windows;
    fs::create_directory(fs::path(windows.File("Fonts")));
    {
        // No Chinese font installed: the game's font's own missing glyph.
        const CScopedEnv folder("WINDIR", windows.File("").c_str());
        const std::shared_ptr<const CFontFace> alone = Face(*game);
        ASSERT_TRUE(alone && !alone->HasGlyph(kKing));
        EXPECT_FALSE(alone->GetGlyph(kKing) == stand->GetGlyph(kKing));
    }
    fs::copy_file(QUORVANEL_STAND_IN_FONT, windows.File("Fonts/simsun.ttc"));
    const CScopedEnv folder("WINDIR", windows.File("").c_str());
    const std::shared_ptr<const CFontFace> face = Face(*game);
    ASSERT_TRUE(face);
    EXPECT_TRUE(face->GetGlyph(kKing) == stand->GetGlyph(kKing));
    EXPECT_FALSE(face->GetGlyph(kKing).coverage.empty());
    EXPECT_FALSE(face->GetGlyph(kFight) == stand->GetGlyph(kFight))
        << "the game's own character stays its font's";
    EXPECT_FALSE(face->HasGlyph(kKing)) << "the face itself still lacks it (the start-up check asks)";
}

}  // namespace
