// The game's icon: every part of the design survives at every size of the
// desktop's icon theme, and the theme's files that the build draws are
// exactly the icon of their size.
#include "gfx/AppIcon.h"
#include "support/FailureReason.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

TEST(AppIconTest, EveryPartKeepsItsColourAtEverySize) {
    // Tile, the frame's light and dark edges, blade face and edge, gold
    // guard and pommel, grip: a part thinner than a pixel would drop out.
    for (const int size : kThemeSizes) {
        const CFrameBuffer icon = DrawAppIcon(size);
        ASSERT_EQ(icon.Width(), size);
        ASSERT_EQ(icon.Height(), size);
        std::set<COLORREF> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) colours.insert(icon.GetPixel(x, y));
        EXPECT_EQ(colours.size(), 7u) << size;
        EXPECT_EQ(colours.count(kNoColor), 0u) << size;
    }
}

TEST(AppIconTest, TheSwordsCrossInTheMiddleWithTheirTipsUp) {
    for (const int size : kThemeSizes) {
        const CFrameBuffer icon = DrawAppIcon(size);
        const COLORREF tile = icon.GetPixel(size / 2, size / 8);  // between the tips
        const int blade = size * 9 / 32;                          // on each blade, near its tip
        EXPECT_NE(icon.GetPixel(size / 2, size / 2), tile) << size;
        EXPECT_NE(icon.GetPixel(blade, blade), tile) << size;
        EXPECT_NE(icon.GetPixel(size - 1 - blade, blade), tile) << size;
        EXPECT_EQ(icon.GetPixel(size / 2, size - 1 - size / 8), tile) << size;  // between the pommels
    }
}

TEST(AppIconTest, TheThemesFilesAreTheIconOfTheirSize) {
    const std::filesystem::path theme = QUORVANEL_ICON_THEME;
    std::set<int> found;
    for (const auto& entry : std::filesystem::directory_iterator(theme)) {
        const int size = std::stoi(entry.path().filename().string());
        ASSERT_EQ(entry.path().filename().string(), std::to_string(size) + "x" + std::to_string(size));
        found.insert(size);
        const CErrorOr<CFrameBuffer> file =
            ReadPng((entry.path() / "apps" / QUORVANEL_APP_ID ".png").string());
        ASSERT_EQ(FailureReason(file), "");
        EXPECT_EQ(*file, DrawAppIcon(size)) << size;
    }
    EXPECT_EQ(found, std::set<int>(std::begin(kThemeSizes), std::end(kThemeSizes)));
}

}  // namespace
