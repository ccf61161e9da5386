// One-line JSON output (see JsonWriter.h).
#include "automation/JsonWriter.h"

#include "gfx/Utf8.h"

#include <cstdio>

namespace {

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
        const Utf8Char step = DecodeUtf8At(text, i);
        out += step.valid ? text.substr(i, step.length) : EncodeUtf8(kReplacementCharacter);
        i += step.length;
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
