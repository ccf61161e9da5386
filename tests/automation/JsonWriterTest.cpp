// The JSON of scripts: string escaping (line breaks as \r\n, control
// characters, quotes), UTF-8 kept and malformed UTF-8 replaced, and commas
// in nested containers.
#include "automation/JsonWriter.h"
#include "gfx/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(JsonQuotedTest, EscapesWhatJsonRequires) {
    EXPECT_EQ(JsonQuoted("打得过\r\n你"), "\"打得过\\r\\n你\"");
    EXPECT_EQ(JsonQuoted("say \"hi\" \\ bye"), "\"say \\\"hi\\\" \\\\ bye\"");
    EXPECT_EQ(JsonQuoted("a\tb\bc\fd"), "\"a\\tb\\bc\\fd\"");
    EXPECT_EQ(JsonQuoted(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\x7f\"");
    EXPECT_EQ(JsonQuoted(std::string("a\0b", 3)), "\"a\\u0000b\"");
    EXPECT_EQ(JsonQuoted("/"), "\"/\"");
}

TEST(JsonQuotedTest, KeepsUtf8AndReplacesMalformedBytes) {
    EXPECT_EQ(JsonQuoted("通关了,祝贺你！"), "\"通关了,祝贺你！\"");
    EXPECT_EQ(JsonQuoted("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");  // outside the BMP
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(JsonQuoted("a\xFF"
                         "b"),
              "\"a" + replacement + "b\"");                        // never a lead byte
    EXPECT_EQ(JsonQuoted("\x80"), "\"" + replacement + "\"");      // stray continuation
    EXPECT_EQ(JsonQuoted("\xE9\x80"), "\"" + replacement + "\"");  // cut short: one mark, as drawn
    EXPECT_EQ(JsonQuoted("\xC0\xAF"), "\"" + replacement + replacement + "\"");  // overlong '/'
    EXPECT_EQ(JsonQuoted("\xED\xA0\x80"),
              "\"" + replacement + replacement + replacement + "\"");  // surrogate
    // The marks are those the screen draws for the same bytes.
    for (const std::string_view bad : {"\xF0\x9F\x98x", "\xE0\x80\x80", "\xFE\xE5\x9B\xBD\xE5"}) {
        std::string expected = "\"";
        for (const char32_t codePoint : DecodeUtf8(bad)) expected += EncodeUtf8(codePoint);
        EXPECT_EQ(JsonQuoted(bad), expected + "\"");
    }
}

TEST(JsonWriterTest, PlacesCommasInNestedContainers) {
    CJsonWriter json;
    json.BeginObject();
    json.Key("a").Int(-1);
    json.Key("b").BeginArray().BeginArray().Int(1).Int(2).EndArray().BeginArray().EndArray().EndArray();
    json.Key("c").BeginObject().EndObject();
    json.Key("d").Bool(true).Key("e").Null().Key("f").UInt(18446744073709551615u);
    json.Key("g").String("x");
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\"a\":-1,\"b\":[[1,2],[]],\"c\":{},\"d\":true,\"e\":null,"
              "\"f\":18446744073709551615,\"g\":\"x\"}");
}

TEST(JsonWriterTest, ObjectsInArrays) {
    CJsonWriter json;
    json.BeginArray();
    json.BeginObject().Key("k").Int(1).EndObject();
    json.BeginObject().Key("k").Int(2).EndObject();
    json.EndArray();
    EXPECT_EQ(json.Text(), "[{\"k\":1},{\"k\":2}]");
}

}  // namespace
