// The presses held for a screen reader's answers: what it passes on comes
// out in the order pressed, whatever the order of the answers; what it took,
// and a press the window system made no event of, never do.
#include "platform/KeyOffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* what;
    std::vector<bool> passed;        // the answer for each press, by press
    std::vector<int> answerOrder;    // the presses in the order they are answered
    std::vector<bool> eventCame;     // whether the backend made an event of each press
    std::vector<int> out;            // the events that come out, in order
};

TEST(KeyOffer, PassesOnInPressOrderOnlyWhatTheScreenReaderLeft) {
    const Case cases[] = {
        {"all passed", {true, true, true}, {0, 1, 2}, {true, true, true}, {0, 1, 2}},
        {"the middle one taken", {true, false, true}, {0, 1, 2}, {true, true, true}, {0, 2}},
        {"answered out of order", {true, true, true}, {2, 0, 1}, {true, true, true}, {0, 1, 2}},
        {"no event made", {true, true}, {0, 1}, {false, true}, {1}},
        {"all taken", {false, false}, {1, 0}, {true, true}, {}},
    };
    for (const Case& c : cases) {
        CKeyOffer<int> offer;
        std::vector<unsigned> ids;
        for (std::size_t i = 0; i < c.passed.size(); ++i) {
            ids.push_back(offer.Offer());
            EXPECT_TRUE(offer.Awaiting()) << c.what;
            if (c.eventCame[i]) offer.Hold(static_cast<int>(i));
        }
        std::vector<int> out;
        for (const int press : c.answerOrder) {
            offer.Answer({ids[press], c.passed[press]});
            while (const std::optional<int> event = offer.NextPassed()) out.push_back(*event);
        }
        EXPECT_EQ(out, c.out) << c.what;
        EXPECT_FALSE(offer.NextPassed()) << c.what;
    }
}

// An event comes only for a press still waiting for one: a key the window
// system sent with no offer goes straight on.
TEST(KeyOffer, HoldsOnlyTheEventOfTheLastPressOffered) {
    CKeyOffer<int> offer;
    EXPECT_FALSE(offer.Awaiting());
    const unsigned id = offer.Offer();
    offer.Hold(7);
    EXPECT_FALSE(offer.Awaiting());
    offer.Hold(8);
    offer.Answer({id, true});
    EXPECT_EQ(offer.NextPassed(), 7);
    EXPECT_FALSE(offer.NextPassed());
}

}  // namespace
