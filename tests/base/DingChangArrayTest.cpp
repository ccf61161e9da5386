// Fixed-capacity array: quiet refusals of SetSize and Append at the capacity,
// and the checked assignment with its exact overflow message.
#include "base/DingChangArray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CAnQianArray<int> ArrayOf(std::initializer_list<int> values) {
    CAnQianArray<int> array;
    for (int value : values) array.Add(value);
    return array;
}

TEST(DingChangArrayCapacity, ConstructorSetsInitialSize) {
    CDingChangArray<int> slots(2, 2);
    EXPECT_EQ(slots.GetSize(), 2);
    EXPECT_EQ(slots.GetCapacity(), 2);
}

TEST(DingChangArrayCapacity, SetSizeBeyondCapacityIsRefused) {
    CDingChangArray<int> slots(2, 0);
    EXPECT_TRUE(slots.SetSize(2));
    EXPECT_FALSE(slots.SetSize(3));
    EXPECT_EQ(slots.GetSize(), 2);
}

TEST(DingChangArrayCapacity, AppendFillsToCapacityThenRefuses) {
    CDingChangArray<int> bag(100, 99);
    EXPECT_EQ(bag.Append(7, 1), 99);
    EXPECT_EQ(bag.GetAt(99), 7);
    EXPECT_EQ(bag.Append(8, 1), -1);
    EXPECT_EQ(bag.GetSize(), 100);
    EXPECT_EQ(bag.GetAt(99), 7);
}

TEST(DingChangArrayCapacity, AppendOfSeveralCopiesIsAllOrNothing) {
    CDingChangArray<int> bag(3, 1);
    EXPECT_EQ(bag.Append(5, 3), -1);
    EXPECT_EQ(bag.GetSize(), 1);
    EXPECT_EQ(bag.Append(5, 2), 1);
    EXPECT_EQ(bag.GetAt(2), 5);
}

TEST(DingChangArrayAssignment, LongerSourceThrowsExactMessageAndKeepsTarget) {
    CDingChangArray<int> slots(2, 0);
    slots = ArrayOf({1, 2});
    try {
        slots = ArrayOf({7, 8, 9});
        FAIL() << "no CMyException thrown";
    } catch (const CMyException& error) {
        EXPECT_STREQ(error.what(), "CDingChangArray等于溢出。数组元素大小4,源数组元素数量3");
    }
    ASSERT_EQ(slots.GetSize(), 2);
    EXPECT_EQ(slots.GetAt(0), 1);
    EXPECT_EQ(slots.GetAt(1), 2);
}

TEST(DingChangArrayAssignment, CopyAssignmentIsCheckedAgainstTheTargetCapacity) {
    CDingChangArray<int> wide(5, 0);
    wide.Append(1, 3);
    CDingChangArray<int> narrow(2, 2);
    EXPECT_THROW(narrow = wide, CMyException);

    CDingChangArray<int> other(2, 0);
    other.Append(4, 2);
    narrow = other;
    EXPECT_EQ(narrow.GetAt(1), 4);
    EXPECT_EQ(narrow.GetCapacity(), 2);
}

TEST(DingChangArrayAssignment, AssigningAnArrayToItselfKeepsIt) {
    CDingChangArray<std::string> slots(2, 0);
    slots.Append("钩链枪", 2);
    const CDingChangArray<std::string>& same = slots;
    slots = same;
    slots = static_cast<const CAnQianArray<std::string>&>(same);
    ASSERT_EQ(slots.GetSize(), 2);
    EXPECT_EQ(slots.GetAt(0), "钩链枪");
    EXPECT_EQ(slots.GetAt(1), "钩链枪");
}

}  // namespace
