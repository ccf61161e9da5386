// Test helper: what a CErrorOr says, as one text to compare: its reason, or
// "" when it succeeded, so that EXPECT_EQ(FailureReason(...), "") prints the
// reason of an unexpected failure.
#pragma once

#include "base/ErrorOr.h"

#include <string>

template <class T>
std::string FailureReason(const CErrorOr<T>& result) {
    return result ? std::string() : result.Reason();
}
