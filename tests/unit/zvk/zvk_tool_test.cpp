// The zvk tool's parts: JSON and macro documents as JSON, Windows-1252
// text, what zvk check warns about and the command line of zvk trace.
#include <gmock/gmock.h>

#include "support/document_builder.h"
#include "tools/zvk/check_report.h"
#include "tools/zvk/json_reader.h"
#include "tools/zvk/json_writer.h"
#include "tools/zvk/macro_json.h"
#include "tools/zvk/tool_error.h"
#include "tools/zvk/trace_options.h"

namespace {

using namespace ::testing;  // the matchers

TEST(Json, ReadsNumbersAsWrittenAndEscapesAsTheyMeanAndWritesItBackTheSame) {
  const JsonValue v = ParseJson(
      "\xEF\xBB\xBF{\"n\": -0.5e+3,\r\n\t\"list\": [{\"s\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t"
      "\\u00e9\\u00Ff\\ud83d\\ude00\\u0090\", \"b\": false, \"t\": true, \"z\": null}, []], "
      "\"empty\": {}}");
  const std::string written =
      "{\n  \"n\": -0.5e+3,\n  \"list\": [\n"
      "    {\"s\": \"\\\"\\\\/\\b\\f\\n\\r\\t\xC3\xA9\xC3\xBF\xF0\x9F\x98\x80\\u0090\", \"b\": "
      "false, \"t\": true, "
      "\"z\": null},\n    []\n  ],\n  \"empty\": {}\n}\n";
  EXPECT_EQ(WriteJson(v), written);
  EXPECT_EQ(WriteJson(ParseJson(written)), written);
  EXPECT_EQ(v.Find("n")->AsInteger(), std::nullopt) << "not a whole number as written";
  // C0 controls, DEL and the C1 controls are escaped, nothing else.
  EXPECT_EQ(JsonQuote(std::string("\0\x1F\x7F\xC2\x9F\xC2\xA0\xE2\x82\xAC", 10)),
            "\"\\u0000\\u001f\\u007f\\u009f\xC2\xA0\xE2\x82\xAC\"");
  // Nesting is limited, so that deep input cannot exhaust the stack.
  EXPECT_NO_THROW(ParseJson(std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']')));
}

TEST(Json, RefusesWhatJsonDoesNotAllowAndSaysWhere) {
  // The text, the column (zvk build's refusals show it with the line) and what it says.
  const std::tuple<std::string, std::size_t, const char*> rows[] = {
      {"", 1, "no JSON value"},
      {"{} x", 4, "after the end"},
      {"{\"a\": 1,}", 9, "member name"},
      {"{\"a\": 1, \"a\": 2}", 10, "appears twice"},
      {"[01]", 3, "',' or ']'"},
      {"[1.]", 4, "decimal point"},
      {"[1e]", 4, "exponent"},
      {"[tru]", 2, "expected a value"},
      {"[\"abc", 6, "ends inside a string"},
      {"[\"a\tb\"]", 4, "control character"},
      {"[\"\\x41\"]", 3, "unknown escape \\x"},
      {"[\"\\u12\"]", 7, "hexadecimal"},
      {"[\"\\udc00\"]", 3, "low surrogate"},
      {"[\"\\udfff\"]", 3, "low surrogate"},
      {"[\"\\ud800\\u0041\"]", 3, "high surrogate"},
      // Cut short; overlong forms of '/'; a surrogate; above U+10FFFF.
      {"[\"\xC3\"]", 3, "not UTF-8"},
      {"[\"\xC0\xAF\"]", 3, "not UTF-8"},
      {"[\"\xE0\x80\xAF\"]", 3, "not UTF-8"},
      {"[\"\xED\xA0\x80\"]", 3, "not UTF-8"},
      {"[\"\xF4\x90\x80\x80\"]", 3, "not UTF-8"},
      // Columns count characters: the two-byte é takes one column.
      {"[\"\xC3\xA9\", x]", 7, "expected a value"},
      {std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']'), kMaxJsonDepth + 1,
       "nested"},
  };
  for (const auto& [text, column, says] : rows) {
    EXPECT_THAT([&] { ParseJson(text); },
                Throws<JsonSyntaxError>(AllOf(Property(&JsonSyntaxError::Column, column),
                                              Property(&JsonSyntaxError::what, HasSubstr(says)))))
        << text;
  }
}

// What JsonToMacro makes of a JSON text: "accepted", or "path: fault".
std::string FaultOf(const JsonValue& json) {
  try {
    JsonToMacro(json, *std::make_unique<MacroData>());
  } catch (const MacroJsonError& e) {
    return e.Path() + ": " + e.what();
  }
  return "accepted";
}

TEST(MacroJson, ShowsTheContentWithinTheCountsAndReadsItBack) {
  const auto doc = DocumentBuilder()
                       .SubMenu("Caf\u00E9", {{std::string("nul\0", 4), "line\r\n\u0081\u20AC", 7}})
                       .SubMenu("Empty")
                       .Build();
  // Leftovers past the counts are not content.
  doc->strSubMenuName[2] = doc->strSubMenuItemText[1] = doc->strSubMenuItemText[ItemSlot(1, 0)] =
      "leftover";
  const std::string text = WriteJson(MacroToJson(*doc, 0));
  EXPECT_EQ(text,
            "{\n  \"version\": 0,\n  \"submenus\": [\n    {\n      \"name\": \"Caf\xC3\xA9\",\n    "
            "  \"items\": [\n"
            "        {\"name\": \"nul\\u0000\", \"text\": \"line\\r\\n\\u0081\xE2\x82\xAC\", "
            "\"chain\": 7}\n      ]\n"
            "    },\n    {\n      \"name\": \"Empty\",\n      \"items\": []\n    }\n  ]\n}\n");
  const auto back = std::make_unique<MacroData>();
  JsonToMacro(ParseJson(text), *back);
  EXPECT_EQ(WriteJson(MacroToJson(*back, 0)), text);

  JsonToMacro(
      ParseJson(
          R"({"submenus": [{"name": "S", "items": [{"name": "a", "text": ""}, {"name": "b", "text": "",
      "chain": true}, {"name": "c", "text": "", "chain": false}, {"name": "d", "text": "", "chain": -2147483648}]}]})"),
      *back);
  const auto& chains = back->bChainToNext;
  EXPECT_EQ(std::vector<int>(chains.begin(), chains.begin() + 4),
            (std::vector<int>{0, 1, 0, INT32_MIN}))
      << "left out: 0";
}

TEST(MacroJson, RefusesWhatCannotBeWrittenAndNamesThePath) {
  const std::pair<std::string, std::string> rows[] = {
      {R"([])", ": expected an object, found a list"},
      {R"({})", ": the member \"submenus\" is missing"},
      {R"({"submenus": [], "extra": 1})",
       "extra: unknown member; the document has only \"version\", \"submenus\""},
      {R"({"version": "1", "submenus": []})", "version: expected a number, found a string"},
      {R"({"submenus": [{"name": 3, "items": []}]})",
       "submenus[0].name: expected a string, found a number"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chian": 1}]}]})",
       "submenus[0].items[0].chian: unknown member; an item has only \"name\", \"text\", "
       "\"chain\""},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chain": 2147483648}]}]})",
       "submenus[0].items[0].chain: expected a whole number from -2147483648 to 2147483647, found "
       "2147483648"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chain": "yes"}]}]})",
       "submenus[0].items[0].chain: expected a number or true or false, found a string"},
      {R"({"submenus": [{"name": "a", "items": []}, {"name": "b", "items": [null]}]})",
       "submenus[1].items[0]: expected an object, found null"},
  };
  for (const auto& [json, fault] : rows) EXPECT_EQ(FaultOf(ParseJson(json)), fault) << json;

  JsonValue full = MacroToJson(
      *DocumentBuilder().NumberedSubMenus(49).SubMenu("S", NumberedItems(50)).Build(), 1);
  EXPECT_EQ(FaultOf(full), "accepted");
  JsonValue& submenus = full.members[1].value;
  JsonValue& items = submenus.items[49].members[1].value;
  items.items.push_back(items.items[0]);
  EXPECT_EQ(FaultOf(full), "submenus[49].items: 51 items; a submenu holds at most 50");
  items.items.pop_back();
  submenus.items.push_back(submenus.items[0]);
  EXPECT_EQ(FaultOf(full), "submenus: 51 submenus; a file holds at most 50");
}

struct CheckTest : Test {
  std::unique_ptr<MacroData> doc = std::make_unique<MacroData>();

  void AddSubMenu(const std::string& name, int items) {
    DocumentBuilder().SubMenu(name, std::vector<TestItem>(items, {"item", "text"})).AddTo(*doc);
  }
  std::string Warnings(std::int32_t version = 1) {
    std::string out;
    for (const std::string& w : CheckWarnings(*doc, version)) out += w + "\n";
    return out;
  }
};

TEST_F(CheckTest, WarnsAboutCountsBeyondWhatTheEditorMakesOrBelowZeroAndAnOldVersionWord) {
  for (int s = 0; s < 49; ++s) AddSubMenu("s", 2);
  doc->bChainToNext[ItemSlot(1, 0)] = 1;  // chained to the next item of its submenu
  EXPECT_EQ(Warnings(), "");
  AddSubMenu("fiftieth", 49);
  EXPECT_THAT(Warnings(), HasSubstr("The file has 50 submenus; the editor makes at most 49"));
  EXPECT_THAT(Warnings(),
              HasSubstr("Submenu 49 \"fiftieth\" has 49 items; the editor makes at most 48.\n"));
  doc->nNumSubMenuItems[49] = 50;
  EXPECT_THAT(Warnings(), HasSubstr("Its last item, 49.49 \"\", cannot be picked"));

  doc->ClearAll();
  AddSubMenu("a", 0);
  doc->nNumSubMenuItems[0] = -1;
  EXPECT_THAT(Warnings(0), HasSubstr("version word is 0"));
  EXPECT_THAT(Warnings(),
              HasSubstr("Submenu 0 \"a\" has the item count -1, which is read as no items."));
  EXPECT_EQ(CheckSummary(*doc, 0), (std::vector<std::string>{"version 0, 1 submenu, 0 items",
                                                             "  submenu 0 \"a\": 0 items"}));
  doc->nNumSubMenus = -1;
  EXPECT_EQ(Warnings(), "The submenu count is -1, which is read as no submenus.\n");
}

TEST_F(CheckTest, WarnsAboutEmptyTextsChainsPastTheEndSeveralTopLevelsAndItemsThatRunCommands) {
  AddSubMenu("toplevel", 2);
  AddSubMenu("TOPLEVEL", 50);
  doc->strSubMenuItemText[ItemSlot(0, 1)] = "";
  doc->bChainToNext[ItemSlot(0, 1)] = -3;  // chained past its last item: any nonzero value counts
  doc->bChainToNext[ItemSlot(1, 49)] = 1;  // the row ends; nothing runs after
  doc->strSubMenuItemText[ItemSlot(1, 3)] = "[left_win][\"cmd\"][enter]";
  EXPECT_THAT(
      Warnings(),
      AllOf(HasSubstr("Item 1.3 \"item\": this item opens the Start menu or the Run box and "
                      "types a command.\n"),
            Not(HasSubstr("Item 1.2 \"item\": this item")),
            HasSubstr("2 submenus are named TopLevel (0 \"toplevel\", 1 \"TOPLEVEL\")"),
            HasSubstr("Item 0.1 \"item\" has an empty text"),
            HasSubstr("Item 0.1 \"item\" is the last of its submenu but is chained to the next "
                      "item: a run"),
            HasSubstr("Item 1.49 \"item\" is the last of its submenu but is chained to the next "
                      "item; the chain ends there.")));
}

TEST(TraceOptionsTest, ReadsAnswersThenATextOrAPickAndRefusesAnythingElse) {
  EXPECT_EQ(ParseTraceOptions({"--cancel", "--", "--ok"}).text, "--ok");
  EXPECT_EQ(ParseTraceOptions({"-x"}).text, "-x");

  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--ok"},
      {"--answer"},
      {"--bogus"},
      {"one", "two"},
      {"--pick", "0", "0"},
      {"--pick", "0", "0", "f", "extra"},
      {"--pick", "50", "0", "f"},
      {"--pick", "0", "50", "f"},
      {"--pick", "0", "-1", "f"},
      {"--pick", "0", "007", "f"},
  };
  for (const auto& args : bad) {
    EXPECT_THAT([&] { ParseTraceOptions(args); },
                Throws<ToolError>(AllOf(Property(&ToolError::Code, kExitUsage),
                                        Property(&ToolError::what, HasSubstr("Usage:")))))
        << PrintToString(args);
  }
}

}  // namespace
