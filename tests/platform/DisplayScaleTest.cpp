// The display scale: the order in which it is chosen (command line,
// QUORVANEL_SCALE, the kept one, GDK_SCALE, Xft.dpi, 1), what happens to values that are
// not scales, and how an automatic scale shrinks to fit the work area.
#include "platform/DisplayScale.h"

#include <gtest/gtest.h>

namespace {

CScaleChoice Chosen(std::optional<int> requested, const CDesktopScaleHints& hints) {
    std::string warning;
    const CScaleChoice choice = ChooseScale(requested, hints, &warning);
    EXPECT_EQ(warning, "");
    return choice;
}

TEST(DisplayScaleTest, AScaleIsAWholeNumberFromOneToFour) {
    for (int scale = 1; scale <= 4; ++scale) EXPECT_EQ(ParseScale(std::to_string(scale)), scale);
    for (const char* bad : {"0", "5", "-1", "+2", "2.0", "2x", " 2", "", "two", "99999999999"})
        EXPECT_EQ(ParseScale(bad), std::nullopt) << bad;
}

TEST(DisplayScaleTest, EachSourceCountsOnlyWhenTheOnesBeforeItAreMissing) {
    const CDesktopScaleHints all{"3", "2", "384", 1};
    EXPECT_EQ(Chosen(1, all), (CScaleChoice{1, false}));
    EXPECT_EQ(Chosen(std::nullopt, all), (CScaleChoice{3, false}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, "2", "384", 3}), (CScaleChoice{3, true}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, "2", "384", std::nullopt}), (CScaleChoice{2, true}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, std::nullopt, "384", std::nullopt}),
              (CScaleChoice{4, true}));
    EXPECT_EQ(Chosen(std::nullopt, {}), (CScaleChoice{1, true}));
}

TEST(DisplayScaleTest, XftDpiIsDividedBy96AndRoundedDown) {
    for (const auto& [dpi, scale] : std::vector<std::pair<const char*, int>>{
             {"96", 1}, {"143.9", 1}, {"144", 1}, {"191", 1}, {"192", 2}, {"288", 3}, {"72", 1}, {"1e9", 4}})
        EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, std::nullopt, dpi, std::nullopt}).scale, scale) << dpi;
}

TEST(DisplayScaleTest, DesktopValuesThatAreNotPositiveNumbersArePassedOver) {
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, "abc", "192", std::nullopt}), (CScaleChoice{2, true}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, "0", "192", std::nullopt}), (CScaleChoice{2, true}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, "-2", "dpi", std::nullopt}), (CScaleChoice{1, true}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, "7", std::nullopt, std::nullopt}), (CScaleChoice{4, true}));
    EXPECT_EQ(Chosen(std::nullopt, {std::nullopt, std::nullopt, "-192", std::nullopt}),
              (CScaleChoice{1, true}));
}

TEST(DisplayScaleTest, ABadQuorvanelScaleWarnsInOneLineAndTheDesktopDecides) {
    for (const char* bad : {"0", "5", "big", "2 "}) {
        std::string warning;
        EXPECT_EQ(ChooseScale(std::nullopt, {bad, "2", std::nullopt, std::nullopt}, &warning),
                  (CScaleChoice{2, true}));
        EXPECT_EQ(warning, std::string("QUORVANEL_SCALE must be a whole number from 1 to 4, not '") + bad +
                               "': the desktop's scale is used");
    }
    // A value that would break the line is quoted harmlessly.
    std::string warning;
    ChooseScale(std::nullopt, {"2\n\x1b[2J", std::nullopt, std::nullopt, std::nullopt}, &warning);
    EXPECT_EQ(warning.find('\n'), std::string::npos) << warning;
    EXPECT_EQ(warning.find('\x1b'), std::string::npos) << warning;
    // Not even looked at when the command line has decided.
    EXPECT_EQ(Chosen(3, {"big", std::nullopt, std::nullopt, std::nullopt}), (CScaleChoice{3, false}));
}

TEST(DisplayScaleTest, AnAutomaticScaleShrinksUntilTheWindowFitsTheWorkArea) {
    const CSize main{655, 405};
    const CRect frame{5, 35, 5, 5};
    const CRect workArea{0, 27, 1920, 1080};  // a panel takes the top 27 pixels
    // 1965 wide at 3x does not fit 1920; 2x (1310 + 10 by 810 + 40) does.
    EXPECT_EQ(FittingScale({3, true}, main, frame, workArea), 2);
    EXPECT_EQ(FittingScale({2, true}, main, frame, workArea), 2);
    // Height decides too: 810 + 40 > 840.
    EXPECT_EQ(FittingScale({2, true}, main, frame, {0, 0, 2000, 840}), 1);
    EXPECT_EQ(FittingScale({2, true}, main, frame, {0, 0, 1320, 850}), 2);
    EXPECT_EQ(FittingScale({2, true}, main, frame, {0, 0, 1319, 850}), 1);
    // Never below 1, and a scale the user chose is obeyed.
    EXPECT_EQ(FittingScale({4, true}, main, frame, {0, 0, 320, 200}), 1);
    EXPECT_EQ(FittingScale({4, false}, main, frame, workArea), 4);
}

}  // namespace
