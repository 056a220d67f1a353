#include "lsp/JsonParse.h"

#include <gtest/gtest.h>

namespace {

using lsp::JsonSyntaxError;
using lsp::parseJson;
using Json = nlohmann::json;

const std::string kReplacement = "\xEF\xBF\xBD";

struct StringCase {
    const char* name;
    std::string body;     // a JSON array of one string
    std::string expected; // the string it holds
};

// Bytes that are not UTF-8 stay as they are; a lone escaped surrogate is U+FFFD; all else
// decodes as JSON says.
TEST(JsonParse, StringsKeepTheirBytes) {
    const StringCase cases[] = {
        {"plain", "[\"abc\"]", "abc"},
        {"a stray byte",
         "[\"a\xFF"
         "b\"]",
         "a\xFF"
         "b"},
        {"a cut sequence at the end", "[\"a\xE2\x82\"]", "a\xE2\x82"},
        {"an encoded surrogate", "[\"\xED\xA0\x80\"]", "\xED\xA0\x80"},
        {"real U+FFFD beside stray bytes", "[\"\xEF\xBF\xBD\xFF\\ufffd\xFE\\uFFFD\"]",
         kReplacement + "\xFF" + kReplacement + "\xFE" + kReplacement},
        {"a lone high surrogate", "[\"\\ud800x\"]", kReplacement + "x"},
        {"a lone low surrogate", "[\"\\uDC00\"]", kReplacement},
        {"a high surrogate before another escape", "[\"\\ud800\\u0041\"]", kReplacement + "A"},
        {"a pair", "[\"\\ud83d\\ude00\"]", "\xF0\x9F\x98\x80"},
        {"a lone surrogate and a stray byte", "[\"\\ud800\xFF\"]", kReplacement + "\xFF"},
        {"an escaped backslash before u", "[\"\\\\ud800\xFF\"]", "\\ud800\xFF"},
        {"a zero byte", "[\"a\\u0000b\"]", std::string("a\0b", 3)},
    };
    for (const StringCase& c : cases) {
        const Json value = parseJson(c.body);
        ASSERT_TRUE(value.is_array() && value.size() == 1 && value[0].is_string()) << c.name;
        EXPECT_EQ(value[0].get<std::string>(), c.expected) << c.name;
    }
}

TEST(JsonParse, EachStringGetsItsOwnBytesBack) {
    const Json value =
        parseJson("[\"ok\", \"x\xFF\", {\"k\xFE\": \"v\", \"w\": \"\xC3\"}, \"\xF5\"]");
    EXPECT_EQ(value[0], "ok");
    EXPECT_EQ(value[1].get<std::string>(), "x\xFF");
    EXPECT_EQ(value[2].at("k\xFE"), "v");
    EXPECT_EQ(value[2].at("w").get<std::string>(), "\xC3");
    EXPECT_EQ(value[3].get<std::string>(), "\xF5");
}

TEST(JsonParse, WhatIsNotJsonIsRefused) {
    const std::string bodies[] = {
        "",
        "{",
        "{\"a\":1} x",
        "[1,]",
        "\xFF[]",      // a stray byte outside a string
        "[\"a\tb\"]",  // a raw tab inside a string
        "[1e999]",     // a number out of range
        "[\"\\x\"]",   // an unknown escape
        "[\"\\u12\"]", // a short escape
        "[\"unterminated\xFF",
    };
    for (const std::string& body : bodies)
        EXPECT_THROW(parseJson(body), JsonSyntaxError) << body;
}

TEST(JsonParse, NestingIsLimited) {
    const auto nested = [](std::size_t depth) {
        return std::string(depth, '[') + std::string(depth, ']');
    };
    EXPECT_NO_THROW(parseJson(nested(lsp::kMaxDepth)));
    EXPECT_THROW(parseJson(nested(lsp::kMaxDepth + 1)), JsonSyntaxError);
    EXPECT_THROW(parseJson(std::string(1000000, '[')), JsonSyntaxError);
}

TEST(JsonParse, ValuesAreCounted) {
    std::string many = "[0";
    for (std::size_t i = 0; i < lsp::kMaxValues; ++i)
        many += ",0";
    many += "]";
    EXPECT_THROW(parseJson(many), JsonSyntaxError);
}

} // namespace
