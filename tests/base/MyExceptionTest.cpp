// CMyException: text through what() and the all-or-nothing GetErrorMessage copy.
#include "base/MyException.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(MyException, CaughtAsStdExceptionKeepsItsText) {
    try {
        throw CMyException("出错");
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "出错");
    }
}

TEST(MyExceptionGetErrorMessage, BufferOneLongerThanTheMessageSucceeds) {
    const CMyException error("abc数组");
    const unsigned length = static_cast<unsigned>(std::strlen(error.what()));
    std::vector<char> buffer(length + 1, 'x');
    unsigned helpContext = 77;
    EXPECT_TRUE(error.GetErrorMessage(buffer.data(), length + 1, &helpContext));
    EXPECT_STREQ(buffer.data(), "abc数组");
    EXPECT_EQ(helpContext, 77u);
}

TEST(MyExceptionGetErrorMessage, BufferOfExactlyTheMessageLengthFailsUntouched) {
    const CMyException error("abcd");
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_FALSE(error.GetErrorMessage(buffer, 4));
    EXPECT_EQ(std::memcmp(buffer, "xxxx", 4), 0);
}

TEST(MyExceptionGetErrorMessage, NullOrEmptyBufferFails) {
    const CMyException error("");
    char buffer[1] = {'x'};
    EXPECT_FALSE(error.GetErrorMessage(nullptr, 10));
    EXPECT_FALSE(error.GetErrorMessage(buffer, 0));
    EXPECT_TRUE(error.GetErrorMessage(buffer, 1));
    EXPECT_EQ(buffer[0], '\0');
}

}  // namespace
