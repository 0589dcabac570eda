// The JSON reader and writer: strict reading that says where a fault is,
// and writing that reads back the same.
#include <gtest/gtest.h>

#include <string>

#include "tools/zvk/json_reader.h"
#include "tools/zvk/json_writer.h"

namespace {

TEST(Json, ReadsNumbersAsWrittenAndEscapesAsTheyMeanAndWritesItBackTheSame) {
  const JsonValue v = ParseJson("\xEF\xBB\xBF{\"n\": -0.5e+3,\r\n\t\"list\": [{\"s\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t"
                                "\\u00e9\\u00Ff\\ud83d\\ude00\\u0090\", \"b\": false, \"t\": true, \"z\": null}, []], \"empty\": {}}");
  const std::string written = "{\n  \"n\": -0.5e+3,\n  \"list\": [\n"
      "    {\"s\": \"\\\"\\\\/\\b\\f\\n\\r\\t\xC3\xA9\xC3\xBF\xF0\x9F\x98\x80\\u0090\", \"b\": false, \"t\": true, "
      "\"z\": null},\n    []\n  ],\n  \"empty\": {}\n}\n";
  EXPECT_EQ(WriteJson(v), written);
  EXPECT_EQ(WriteJson(ParseJson(written)), written);
  EXPECT_EQ(v.Find("n")->AsInteger(), std::nullopt) << "not a whole number as written";
  // C0 controls, DEL and the C1 controls are escaped, nothing else.
  EXPECT_EQ(JsonQuote(std::string("\0\x1F\x7F\xC2\x9F\xC2\xA0\xE2\x82\xAC", 10)),
            "\"\\u0000\\u001f\\u007f\\u009f\xC2\xA0\xE2\x82\xAC\"");
  // Nesting is limited, so that deep input cannot exhaust the stack.
  EXPECT_NO_THROW(ParseJson(std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']')));
  EXPECT_THROW(ParseJson(std::string(1000000, '[')), JsonSyntaxError);
}

TEST(Json, RefusesWhatJsonDoesNotAllowAndSaysWhere) {
  const struct {
    std::string text;
    std::size_t line, column;
    const char* says;
  } rows[] = {
      {"", 1, 1, "no JSON value"}, {"[1, 2,]", 1, 7, "expected a value"},
      {"{\"a\": 1,}", 1, 9, "member name"}, {"{\"a\": 1, \"a\": 2}", 1, 10, "appears twice"},
      {"[01]", 1, 3, "',' or ']'"}, {"[1.]", 1, 4, "decimal point"},
      {"[1e]", 1, 4, "exponent"}, {"[tru]", 1, 2, "expected a value"},
      {"{} x", 1, 4, "after the end"}, {"// note\n{}", 1, 1, "expected a value"},
      {"[\"abc", 1, 6, "ends inside a string"}, {"[\"a\tb\"]", 1, 4, "control character"},
      {"[\"\\x41\"]", 1, 3, "unknown escape \\x"}, {"[\"\\u12\"]", 1, 7, "hexadecimal"},
      {"[\"\\udc00\"]", 1, 3, "low surrogate"}, {"[\"\\udfff\"]", 1, 3, "low surrogate"},
      {"[\"\\ud800x\"]", 1, 3, "high surrogate"}, {"[\"\\ud800\\u0041\"]", 1, 3, "high surrogate"},
      // Cut short; overlong forms of '/'; a surrogate; above U+10FFFF.
      {"[\"\xC3\"]", 1, 3, "not UTF-8"}, {"[\"\xC0\xAF\"]", 1, 3, "not UTF-8"}, {"[\"\xE0\x80\xAF\"]", 1, 3, "not UTF-8"},
      {"[\"\xED\xA0\x80\"]", 1, 3, "not UTF-8"}, {"[\"\xF4\x90\x80\x80\"]", 1, 3, "not UTF-8"},
      // Columns count characters: the two-byte é takes one column.
      {"[\"\xC3\xA9\", x]", 1, 7, "expected a value"},
      {"{\n  \"a\": [\n    1,,\n  ]\n}", 3, 7, "expected a value"},
      {std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']'), 1, kMaxJsonDepth + 1, "nested"},
  };
  for (const auto& row : rows) {
    try {
      ParseJson(row.text);
      ADD_FAILURE() << "accepted: " << row.text;
    } catch (const JsonSyntaxError& e) {
      EXPECT_EQ(e.Line(), row.line) << row.text;
      EXPECT_EQ(e.Column(), row.column) << row.text;
      EXPECT_NE(std::string(e.what()).find(row.says), std::string::npos) << row.text << " -> " << e.what();
    }
  }
}

}  // namespace
