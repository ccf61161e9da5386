// Environment variables: unset and empty are the same, any other value is kept as it is.
#include "base/Environment.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

namespace {

TEST(EnvironmentTest, AnEmptyEnvironmentVariableCountsAsUnset) {
    constexpr const char* kName = "QUORVANEL_ENVIRONMENT_TEST";
    {
        CScopedEnv unset(kName, nullptr);
        EXPECT_EQ(EnvironmentVariable(kName), std::nullopt);
    }
    {
        CScopedEnv empty(kName, "");
        EXPECT_EQ(EnvironmentVariable(kName), std::nullopt);
    }
    CScopedEnv set(kName, " a value ");
    EXPECT_EQ(EnvironmentVariable(kName), " a value ");
}

}  // namespace
