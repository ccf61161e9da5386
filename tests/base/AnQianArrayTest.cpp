// Checked growable array: index checks with their exact message, growth,
// removal (including bad ranges) and last-to-first look-up by key.
#include "base/AnQianArray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KeyedEntry {
    int id;
    int payload;
    int Key() const { return id; }
};

// Runs action, which must throw, and returns the exception's text.
template <typename Action>
std::string ThrownText(Action action) {
    try {
        action();
    } catch (const CMyException& error) {
        return error.what();
    }
    ADD_FAILURE() << "no CMyException thrown";
    return {};
}

TEST(AnQianArrayIndexCheck, EmptyArrayRejectsIndexZeroWithExactMessage) {
    CAnQianArray<int> skills;
    EXPECT_EQ(ThrownText([&] { skills.GetAt(0); }), "安全数组溢出。此数组元素大小4，操作索引0,元素数量0");
}

TEST(AnQianArrayIndexCheck, NegativeAndPastTheEndIndicesThrowLastValidDoesNot) {
    CAnQianArray<int> skills;
    skills.Add(7);
    skills.Add(9);
    EXPECT_EQ(ThrownText([&] { skills.GetAt(-1); }), "安全数组溢出。此数组元素大小4，操作索引-1,元素数量2");
    EXPECT_EQ(ThrownText([&] { skills.ElementAt(2); }), "安全数组溢出。此数组元素大小4，操作索引2,元素数量2");
    EXPECT_EQ(skills.GetAt(1), 9);
}

TEST(AnQianArrayIndexCheck, MessageUsesTheElementSize) {
    CAnQianArray<KeyedEntry> entries;
    entries.SetSize(3);
    EXPECT_EQ(ThrownText([&] { entries.CheckIndex(5); }),
              "安全数组溢出。此数组元素大小8，操作索引5,元素数量3");
}

TEST(AnQianArrayGrowth, AddReturnsIndexAndUpperBoundFollowsSize) {
    CAnQianArray<int> values;
    EXPECT_EQ(values.GetUpperBound(), -1);
    EXPECT_EQ(values.Add(4), 0);
    EXPECT_EQ(values.Add(5), 1);
    EXPECT_EQ(values.GetSize(), 2);
    EXPECT_EQ(values.GetUpperBound(), 1);
}

TEST(AnQianArrayGrowth, SetSizeGrowsWithZeroesAndShrinks) {
    CAnQianArray<int> values;
    values.Add(3);
    values.SetSize(3);
    EXPECT_EQ(values.GetAt(0), 3);
    EXPECT_EQ(values.GetAt(2), 0);
    values.SetSize(1);
    EXPECT_EQ(values.GetSize(), 1);
}

TEST(AnQianArrayGrowth, SetAtGrowExtendsOnlyWhenNeeded) {
    CAnQianArray<int> values;
    values.SetAtGrow(2, 8);
    EXPECT_EQ(values.GetSize(), 3);
    EXPECT_EQ(values.GetAt(1), 0);
    values.SetAtGrow(0, 6);
    EXPECT_EQ(values.GetSize(), 3);
    EXPECT_EQ(values.GetAt(0), 6);
}

TEST(AnQianArrayRemoval, RemoveAtClosesTheGapInOrder) {
    CAnQianArray<int> values;
    for (int value : {1, 2, 3, 4, 5}) values.Add(value);
    values.RemoveAt(1, 2);
    ASSERT_EQ(values.GetSize(), 3);
    EXPECT_EQ(values.GetAt(0), 1);
    EXPECT_EQ(values.GetAt(1), 4);
    EXPECT_EQ(values.GetAt(2), 5);
}

TEST(AnQianArrayRemoval, RangeOutsideTheArrayThrowsAndChangesNothing) {
    CAnQianArray<int> values;
    values.Add(1);
    values.Add(2);
    EXPECT_THROW(values.RemoveAt(2), CMyException);
    EXPECT_THROW(values.RemoveAt(-1), CMyException);
    EXPECT_THROW(values.RemoveAt(1, 2), CMyException);
    EXPECT_THROW(values.RemoveAt(1, 0x7fffffff), CMyException);
    values.RemoveAt(0, 0);
    EXPECT_EQ(values.GetSize(), 2);
}

TEST(AnQianArrayFind, EmptyArrayFindsNothing) {
    EXPECT_EQ(CAnQianArray<int>().Find(3), -1);
    EXPECT_EQ(CAnQianArray<KeyedEntry>().Find(3), -1);
}

TEST(AnQianArrayFind, DuplicateKeysGiveTheHighestIndex) {
    CAnQianArray<int> skills;
    for (int id : {2, 5, 2, 6}) skills.Add(id);
    EXPECT_EQ(skills.Find(2), 2);
    EXPECT_EQ(skills.Find(6), 3);
    EXPECT_EQ(skills.Find(1), -1);

    CAnQianArray<KeyedEntry> entries;
    entries.Add({4, 10});
    entries.Add({4, 20});
    EXPECT_EQ(entries.GetAt(entries.Find(4)).payload, 20);
}

}  // namespace
