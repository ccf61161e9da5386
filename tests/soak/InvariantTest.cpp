// The soak's invariants catch what they are there for: each broken rule of a
// game state or of a step between two states is reported, and a consistent
// game, a level-up, a drop and a learned skill are not.
#include "GameSnapshot.h"
#include "game/ItemTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Item kinds are read through the item table.
class SoakInvariantTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildItemTable(); }
};

// A hero at level 2 with one item worn, one in the bag, books and a skill.
CGameSnapshot Consistent() {
    CGameSnapshot game;
    game.level = 2;
    game.exp = 3;
    game.levelCap = 5;
    game.maxSkills = 1;
    game.stats = {28, 14, 140};
    game.skills = {2};
    game.books = {{2, 1}, {4, 3}};
    game.bookEntries = 2;
    game.bag = {{5, 2}};
    game.equipment = {{3, 1}, {}};
    game.tally = {4, 1, 0};
    game.levelText = "2";
    game.expText = "33.33%";
    return game;
}

std::string Broken(const CGameSnapshot& before, const CGameSnapshot& now) {
    std::string text;
    for (const std::string& line : BrokenInvariants(before, now)) text += line + "\n";
    return text;
}

TEST_F(SoakInvariantTest, ConsistentGamesAndLegalStepsPass) {
    const CGameSnapshot game = Consistent();
    EXPECT_EQ(Broken(game, game), "");

    CGameSnapshot grown = game;  // a won fight: level up, a drop of two copies, books, a defeat
    grown.level = 3;
    grown.exp = 0;
    grown.stats = {32, 16, 160};
    grown.levelText = "3";
    grown.expText = " 0.00%";
    grown.bag.push_back({6, 1});
    grown.bag.push_back({6, 1});
    grown.books[4] = 5;
    grown.tally = {4, 2, 0, 1};
    EXPECT_EQ(Broken(game, grown), "");

    CGameSnapshot learned = game;  // forget 2, learn 4 with one of its books
    learned.skills = {4};
    learned.books[4] = 2;
    EXPECT_EQ(Broken(game, learned), "");

    CGameSnapshot full = game;
    full.level = 5;
    full.exp = 35;
    full.stats = {40, 20, 200};
    full.levelText = "5";
    full.expText = "满级";
    EXPECT_EQ(Broken(game, full), "");
}

TEST_F(SoakInvariantTest, BrokenStatesAreReported) {
    const auto brokenBy = [](auto change) {
        CGameSnapshot game = Consistent();
        change(game);
        return Broken(game, game);
    };
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.level = 6; }).find("level 6 outside 0..5"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.exp = 9; }).find("exp 9 not below the need 9"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.skills = {2, 4}; }).find("2 skills"), std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) {
                  g.maxSkills = 2;
                  g.skills = {2, 2};
              }).find("a skill learned twice"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.equipment.pop_back(); }).find("1 equipment slots"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) {
                  g.equipment = {{3, 2}, {}};
              }).find("item 2 worn in slot 0"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.stats.attack = 29; }).find("bare stats"), std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.levelText = "3"; }).find("level text"), std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.expText = "满级"; }).find("exp text"), std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.bookEntries = 3; }).find("two book entries"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.errorBox = "index 3 out of range"; }).find("error box"),
              std::string::npos);
}

TEST_F(SoakInvariantTest, BrokenStepsAreReported) {
    const CGameSnapshot game = Consistent();
    const auto brokenBy = [&](auto change) {
        CGameSnapshot now = game;
        change(now);
        return Broken(game, now);
    };
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.bag.clear(); }).find("serial 5 (id 2) held 1 times, now 0"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.bag.push_back({5, 2}); }).find("now 2"), std::string::npos);
    // Moving an item from the bag into its slot keeps it.
    EXPECT_EQ(brokenBy([](CGameSnapshot& g) {
                  g.bag.clear();
                  g.equipment[1] = {5, 2};
              }),
              "");
    EXPECT_NE(brokenBy([](CGameSnapshot& g) {
                  g.bag.push_back({4, 1});
              }).find("appeared without being made"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.books[4] = 2; }).find("without learning it"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) {
                  g.skills = {4};
                  g.books[4] = 3;
              }).find("learned with books 3 -> 3"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.levelCap = 4; }).find("level cap went down"),
              std::string::npos);
    EXPECT_NE(brokenBy([](CGameSnapshot& g) { g.tally[0] = 3; }).find("tally of monster 0 went down"),
              std::string::npos);
    CGameSnapshot later = game;
    later.stage = 1;
    EXPECT_NE(Broken(later, game).find("task stage went down"), std::string::npos);
    CGameSnapshot higher = game;
    higher.level = 3;
    higher.stats = {32, 16, 160};
    higher.levelText = "3";
    higher.expText = "18.75%";
    EXPECT_NE(Broken(higher, game).find("level went down"), std::string::npos);
}

}  // namespace
