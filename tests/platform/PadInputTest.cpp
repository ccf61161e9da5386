// A controller as keys: each button is the key of its row, the stick points
// a way only past the dead zone, and a held direction repeats after the
// delay and then at the interval, only while it is held, with nothing due
// while nothing is held.
#include "platform/PadInput.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Key = KeyChord::Key;

TEST(PadInputTest, EachButtonIsItsKeyWhenPressedOnly) {
    struct Case {
        PadButton button;
        Key key;
    };
    const Case cases[] = {
        {PadButton::Up, Key::Up},
        {PadButton::Down, Key::Down},
        {PadButton::Left, Key::Left},
        {PadButton::Right, Key::Right},
        {PadButton::South, Key::Space},
        {PadButton::East, Key::Escape},
        {PadButton::LeftShoulder, Key::PageUp},
        {PadButton::RightShoulder, Key::PageDown},
        {PadButton::Start, Key::F2},
        {PadButton::Back, Key::F4},
    };
    for (const Case& c : cases) {
        CPadInput pad;
        EXPECT_EQ(pad.Button(c.button, true, 0), c.key);
        EXPECT_EQ(pad.Button(c.button, false, 10), std::nullopt);
    }
}

TEST(PadInputTest, TheStickPointsTheStrongerWayPastTheDeadZone) {
    struct Case {
        double x, y;
        std::optional<PadButton> way;
    };
    const Case cases[] = {
        {0, 0, std::nullopt},         {kPadDeadZone, -kPadDeadZone, std::nullopt},
        {0.6, 0.2, PadButton::Right}, {-0.9, 0.3, PadButton::Left},
        {0.3, -0.7, PadButton::Up},   {-0.55, 0.8, PadButton::Down},
    };
    for (const Case& c : cases) EXPECT_EQ(StickWay(c.x, c.y), c.way) << c.x << ", " << c.y;
}

TEST(PadInputTest, TheStickPressesOncePerNewWay) {
    CPadInput pad;
    EXPECT_EQ(pad.Stick(0.8, 0, 0), Key::Right);
    EXPECT_EQ(pad.Stick(1.0, 0.1, 5), std::nullopt);  // still right
    EXPECT_EQ(pad.Stick(0.2, 0.9, 10), Key::Down);
    EXPECT_EQ(pad.Stick(0, 0, 20), std::nullopt);
    EXPECT_EQ(pad.NextRepeat(), std::nullopt);
    EXPECT_EQ(pad.Stick(0, 0.9, 30), Key::Down);
}

TEST(PadInputTest, AHeldDirectionRepeatsAfterTheDelayThenAtTheInterval) {
    CPadInput pad;
    EXPECT_EQ(pad.NextRepeat(), std::nullopt);
    ASSERT_EQ(pad.Button(PadButton::Left, true, 1000), Key::Left);
    EXPECT_EQ(pad.NextRepeat(), 1000 + kPadRepeatDelayMs);
    EXPECT_EQ(pad.Repeat(1000 + kPadRepeatDelayMs - 1), std::nullopt);
    EXPECT_EQ(pad.Repeat(1000 + kPadRepeatDelayMs), Key::Left);
    EXPECT_EQ(pad.NextRepeat(), 1000 + kPadRepeatDelayMs + kPadRepeatIntervalMs);
    // A late wake-up presses once.
    EXPECT_EQ(pad.Repeat(5000), Key::Left);
    EXPECT_EQ(pad.Repeat(5000), std::nullopt);
    pad.Button(PadButton::Left, false, 5010);
    EXPECT_EQ(pad.NextRepeat(), std::nullopt);
    EXPECT_EQ(pad.Repeat(10000), std::nullopt);
}

TEST(PadInputTest, OnlyTheLastDirectionPressedRepeatsUntilItIsLetGo) {
    CPadInput pad;
    pad.Button(PadButton::Up, true, 0);
    pad.Stick(0.9, 0, 100);  // right, by the stick
    EXPECT_EQ(pad.NextRepeat(), 100 + kPadRepeatDelayMs);
    // Letting go of the d-pad's up does not stop the stick's right.
    pad.Button(PadButton::Up, false, 200);
    EXPECT_EQ(pad.Repeat(100 + kPadRepeatDelayMs), Key::Right);
    pad.Stick(0, 0, 600);
    EXPECT_EQ(pad.NextRepeat(), std::nullopt);
    // Other buttons never repeat.
    pad.Button(PadButton::South, true, 700);
    EXPECT_EQ(pad.NextRepeat(), std::nullopt);
}

}  // namespace
