// One-line JSON output (see JsonWriter.h).
#include "automation/JsonWriter.h"

#include <cstdio>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of text, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

void AppendEscaped(std::string& out, char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\t':
            out += "\\t";
            return;
        case '\b':
            out += "\\b";
            return;
        case '\f':
            out += "\\f";
            return;
        default:
            break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        char code[8];
        std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
        out += code;
    } else {
        out += c;
    }
}

}  // namespace

std::string JsonQuoted(std::string_view text) {
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            AppendEscaped(out, text[i]);
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            out += kReplacement;
            ++i;
        } else {
            out += text.substr(i, length);
            i += length;
        }
    }
    out += '"';
    return out;
}

void CJsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasItems_.empty()) return;
    if (hasItems_.back()) text_ += ',';
    hasItems_.back() = true;
}

CJsonWriter& CJsonWriter::Open(char bracket) {
    BeforeValue();
    text_ += bracket;
    hasItems_.push_back(false);
    return *this;
}

CJsonWriter& CJsonWriter::Close(char bracket) {
    text_ += bracket;
    hasItems_.pop_back();
    return *this;
}

CJsonWriter& CJsonWriter::BeginObject() { return Open('{'); }
CJsonWriter& CJsonWriter::EndObject() { return Close('}'); }
CJsonWriter& CJsonWriter::BeginArray() { return Open('['); }
CJsonWriter& CJsonWriter::EndArray() { return Close(']'); }

CJsonWriter& CJsonWriter::Key(std::string_view name) {
    BeforeValue();
    text_ += JsonQuoted(name);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

CJsonWriter& CJsonWriter::String(std::string_view text) {
    BeforeValue();
    text_ += JsonQuoted(text);
    return *this;
}

CJsonWriter& CJsonWriter::Int(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

CJsonWriter& CJsonWriter::UInt(std::uint64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

CJsonWriter& CJsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

CJsonWriter& CJsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}
