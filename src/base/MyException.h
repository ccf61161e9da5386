// CMyException: the program's one exception type, raised by the checked arrays
// when an index check or a bounded assignment fails. Thrown and caught by value;
// the handler at the top of an event shows the text and the program goes on.
#pragma once

#include <exception>
#include <string>

class CMyException : public std::exception {
public:
    explicit CMyException(std::string message);

    const char* what() const noexcept override;

    // Copies the whole message with its terminator into buffer when it fits in
    // bufferSize bytes and returns true; otherwise leaves the buffer untouched and
    // returns false (never a truncated text). helpContext is not written.
    bool GetErrorMessage(char* buffer, unsigned bufferSize, unsigned* helpContext = nullptr) const;

private:
    std::string message_;
};
