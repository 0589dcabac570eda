#include <gtest/gtest.h>

#include <string>

#include "tools/zvk/json_reader.h"
#include "tools/zvk/json_writer.h"

namespace {

struct Refusal {
  const char* text;
  std::size_t line;
  std::size_t column;
  const char* says;
};

JsonSyntaxError RefusalOf(const std::string& text) {
  try {
    ParseJson(text);
  } catch (const JsonSyntaxError& e) {
    return e;
  }
  ADD_FAILURE() << "accepted: " << text;
  return JsonSyntaxError(0, 0, "");
}

TEST(JsonReader, KeepsMemberOrderNumbersAsWrittenAndDecodesEscapes) {
  const JsonValue v = ParseJson(
      "\xEF\xBB\xBF{ \"b\": [1, -0.5e+3, true, null],\r\n\t\"a\": \"x\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\ud83d\\ude00\" }");
  ASSERT_EQ(v.type, JsonValue::Type::object);
  ASSERT_EQ(v.members.size(), 2u);
  EXPECT_EQ(v.members[0].key, "b");
  EXPECT_EQ(v.members[1].key, "a");
  const JsonValue& list = v.members[0].value;
  ASSERT_EQ(list.items.size(), 4u);
  EXPECT_EQ(list.items[0].AsInteger(), 1);
  EXPECT_EQ(list.items[1].text, "-0.5e+3");
  EXPECT_EQ(list.items[1].AsInteger(), std::nullopt);  // not a whole number as written
  EXPECT_TRUE(list.items[2].boolean);
  EXPECT_EQ(list.items[3].type, JsonValue::Type::null);
  // The surrogate pair is one character, U+1F600, four bytes of UTF-8.
  EXPECT_EQ(v.Find("a")->text, "x\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80");
}

TEST(JsonReader, RefusesWhatJsonDoesNotAllowAndSaysWhere) {
  const Refusal cases[] = {
      {"", 1, 1, "no JSON value"},
      {"[1, 2,]", 1, 7, "expected a value"},
      {"{\"a\": 1,}", 1, 9, "member name"},
      {"{\"a\": 1, \"a\": 2}", 1, 10, "appears twice"},
      {"[01]", 1, 3, "',' or ']'"},
      {"[1.]", 1, 4, "decimal point"},
      {"[1e]", 1, 4, "exponent"},
      {"{} x", 1, 4, "after the end"},
      {"// note\n{}", 1, 1, "expected a value"},
      {"[\"abc", 1, 6, "ends inside a string"},
      {"[\"a\tb\"]", 1, 4, "control character"},
      {"[\"\\x41\"]", 1, 3, "unknown escape \\x"},
      {"[\"\\u12\"]", 1, 7, "hexadecimal"},
      {"[\"\\udc00\"]", 1, 3, "low surrogate"},
      {"[\"\\ud800x\"]", 1, 3, "high surrogate"},
      {"[\"\xC3\"]", 1, 3, "not UTF-8"},
      {"[\"\xC0\xAF\"]", 1, 3, "not UTF-8"},          // overlong '/'
      {"[\"\xED\xA0\x80\"]", 1, 3, "not UTF-8"},      // a surrogate in UTF-8
      {"[\"\xF4\x90\x80\x80\"]", 1, 3, "not UTF-8"},  // above U+10FFFF
      // Columns count characters: the two-byte é takes one column.
      {"[\"\xC3\xA9\", x]", 1, 7, "expected a value"},
      {"{\n  \"a\": [\n    1,,\n  ]\n}", 3, 7, "expected a value"},
  };
  for (const Refusal& c : cases) {
    const JsonSyntaxError e = RefusalOf(c.text);
    EXPECT_EQ(e.Line(), c.line) << c.text;
    EXPECT_EQ(e.Column(), c.column) << c.text;
    EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.text << " -> " << e.what();
  }
}

TEST(JsonReader, LimitsNestingSoThatDeepInputCannotExhaustTheStack) {
  EXPECT_NO_THROW(ParseJson(std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']')));
  const JsonSyntaxError e = RefusalOf(std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']'));
  EXPECT_EQ(e.Column(), static_cast<std::size_t>(kMaxJsonDepth + 1));
  // A hostile file of a million brackets fails the same way.
  EXPECT_THROW(ParseJson(std::string(1000000, '[')), JsonSyntaxError);
}

TEST(JsonWriter, EscapesEveryControlCharacterAndNothingElse) {
  // C0 controls, DEL and the C1 controls (U+0080..U+009F) are escaped;
  // other non-ASCII text stays readable UTF-8.
  EXPECT_EQ(JsonQuote(std::string("a\0b", 3)), "\"a\\u0000b\"");
  EXPECT_EQ(JsonQuote("\"\\\b\f\n\r\t\x1F\x7F"), "\"\\\"\\\\\\b\\f\\n\\r\\t\\u001f\\u007f\"");
  EXPECT_EQ(JsonQuote("\xC2\x81\xC2\x9D\xC2\xA0\xE2\x82\xAC/"), "\"\\u0081\\u009d\xC2\xA0\xE2\x82\xAC/\"");
}

TEST(JsonWriter, PutsPlainObjectsOnOneLineAndReadsBackTheSame) {
  JsonValue root = JsonValue::Object();
  root.Add("n", JsonValue::Number(-7));
  JsonValue& list = root.Add("list", JsonValue::Array());
  JsonValue inner = JsonValue::Object();
  inner.Add("s", JsonValue::String("line\r\nbreak \xC2\x90"));
  inner.Add("b", JsonValue::Boolean(false));
  list.items.push_back(inner);
  list.items.push_back(JsonValue::Array());
  root.Add("empty", JsonValue::Object());

  const std::string text = WriteJson(root);
  EXPECT_EQ(text,
            "{\n"
            "  \"n\": -7,\n"
            "  \"list\": [\n"
            "    {\"s\": \"line\\r\\nbreak \\u0090\", \"b\": false},\n"
            "    []\n"
            "  ],\n"
            "  \"empty\": {}\n"
            "}\n");
  // What is written reads back to the same value, and writes the same again.
  EXPECT_EQ(WriteJson(ParseJson(text)), text);
  EXPECT_EQ(ParseJson(text).Find("list")->items[0].Find("s")->text, "line\r\nbreak \xC2\x90");
}

}  // namespace
