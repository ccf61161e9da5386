// The programming mistakes of CErrorOr (see ErrorOr.h).
#include "base/ErrorOr.h"

#include "base/MyException.h"

namespace ErrorOrDetail {

void ThrowNoValue(const std::string& reason) {
    throw CMyException("CErrorOr: the value of a failure was asked for (" + reason + ")");
}

void ThrowNoReason() { throw CMyException("CErrorOr: the reason of a success was asked for"); }

}  // namespace ErrorOrDetail
