// CErrorOr: a value or a reason, never both; a text value stays apart from a
// reason; move-only and optional values pass through; asking a failure for its
// value, or a success for its reason, throws CMyException; a result of
// another type passes on whole.
#include "base/ErrorOr.h"
#include "base/MyException.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

CErrorOr<int> Half(int number) {
    if (number % 2 != 0) return CFailure{std::to_string(number) + " is odd"};
    return number / 2;
}

CErrorOr<void> Check(bool fine) {
    if (!fine) return CFailure{"not fine"};
    return {};
}

TEST(ErrorOrTest, HoldsTheValueOrTheReason) {
    const CErrorOr<int> half = Half(8);
    ASSERT_TRUE(half);
    EXPECT_EQ(*half, 4);
    EXPECT_EQ(half.Value(), 4);
    const CErrorOr<int> odd = Half(7);
    ASSERT_FALSE(odd);
    EXPECT_EQ(odd.Reason(), "7 is odd");

    EXPECT_TRUE(Check(true));
    ASSERT_FALSE(Check(false));
    EXPECT_EQ(Check(false).Reason(), "not fine");

    // A text value is a value; only CFailure makes a failure.
    const CErrorOr<std::string> text = std::string("a value");
    const CErrorOr<std::string> failed = CFailure{"a reason"};
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 7u);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.Reason(), "a reason");
}

TEST(ErrorOrTest, MoveOnlyAndOptionalValuesPassThrough) {
    CErrorOr<std::unique_ptr<int>> owned = std::make_unique<int>(3);
    const std::unique_ptr<int> taken = std::move(owned).Value();
    ASSERT_TRUE(taken);
    EXPECT_EQ(*taken, 3);

    // Nothing is a success too: a blank script line, say.
    const CErrorOr<std::optional<int>> nothing = std::nullopt;
    ASSERT_TRUE(nothing);
    EXPECT_FALSE(nothing->has_value());
    const CErrorOr<std::optional<int>> five = 5;
    EXPECT_EQ(**five, 5);

    // Another result passes on whole: its value, or its reason.
    CErrorOr<std::unique_ptr<int>> four = std::make_unique<int>(4);
    const CErrorOr<std::optional<std::unique_ptr<int>>> passed = std::move(four);
    EXPECT_EQ(***passed, 4);
    const CErrorOr<std::optional<long>> failed = Half(3);
    EXPECT_EQ(failed.Reason(), "3 is odd");
}

TEST(ErrorOrTest, AskingTheWrongSideIsAProgrammingMistake) {
    const CErrorOr<int> odd = Half(7);
    try {
        static_cast<void>(*odd);
        FAIL() << "no exception";
    } catch (const CMyException& error) {
        EXPECT_STREQ(error.what(), "CErrorOr: the value of a failure was asked for (7 is odd)");
    }
    EXPECT_THROW(static_cast<void>(Half(8).Reason()), CMyException);
    EXPECT_THROW(static_cast<void>(Check(true).Reason()), CMyException);
}

}  // namespace
