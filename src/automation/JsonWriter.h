// CJsonWriter: builds one line of JSON, the format of what scripts print
// (state, windows, widgets). Commas are placed by the writer; strings are
// escaped so that the line is always valid JSON: quotes, backslashes and
// control characters (CR LF become \r\n) are escaped, UTF-8 passes through,
// and malformed UTF-8 becomes U+FFFD by the program's one rule
// (gfx/Utf8.h). No pretty printing, no parsing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CJsonWriter {
public:
    CJsonWriter& BeginObject();
    CJsonWriter& EndObject();
    CJsonWriter& BeginArray();
    CJsonWriter& EndArray();
    // The name of the next member of the open object.
    CJsonWriter& Key(std::string_view name);

    CJsonWriter& String(std::string_view text);
    CJsonWriter& Int(std::int64_t value);
    CJsonWriter& UInt(std::uint64_t value);
    CJsonWriter& Bool(bool value);
    CJsonWriter& Null();

    const std::string& Text() const { return text_; }

private:
    // A comma before every value or key but the first of its container.
    void BeforeValue();
    CJsonWriter& Open(char bracket);
    CJsonWriter& Close(char bracket);

    std::string text_;
    std::vector<bool> hasItems_;  // one entry per open container
    bool afterKey_ = false;
};

// text as a JSON string literal, quotes included.
std::string JsonQuoted(std::string_view text);
