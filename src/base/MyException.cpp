// CMyException: message holder with the all-or-nothing GetErrorMessage copy.
#include "base/MyException.h"

#include <cstring>
#include <utility>

CMyException::CMyException(std::string message) : message_(std::move(message)) {}

const char* CMyException::what() const noexcept { return message_.c_str(); }

bool CMyException::GetErrorMessage(char* buffer, unsigned bufferSize, unsigned* /*helpContext*/) const {
    if (buffer == nullptr || message_.size() + 1 > bufferSize) return false;
    std::memcpy(buffer, message_.c_str(), message_.size() + 1);
    return true;
}
