// CLineSplitter: cuts script text into lines as its bytes arrive. LF, CR LF
// and a lone CR each end a line; a CR LF split between two arrivals is still
// one line end, because the LF that follows a CR is dropped whenever it
// comes. A UTF-8 byte-order mark at the very start is no part of the first
// line. Text after the last line end is a last line of its own.
#pragma once

#include <optional>
#include <string>

class CLineSplitter {
public:
    // Takes the next byte; the line it completes, if any (without its end).
    std::optional<std::string> Push(char byte);
    // At the end of the text: the unterminated last line, if there is one.
    std::optional<std::string> Finish();

private:
    std::string Complete();

    std::string line_;
    bool afterCr_ = false;
    bool firstLine_ = true;
};
