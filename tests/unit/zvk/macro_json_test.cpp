// Macro documents as JSON and back, and the Windows-1252 text they hold.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/document_builder.h"
#include "tools/zvk/cp1252_text.h"
#include "tools/zvk/json_reader.h"
#include "tools/zvk/json_writer.h"
#include "tools/zvk/macro_json.h"

namespace {

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
  const auto doc = DocumentBuilder().SubMenu("Caf\xE9", {{std::string("nul\0", 4), "line\r\n\x81\x80", 7}}).SubMenu("Empty").Build();
  // Leftovers past the counts are not content.
  doc->strSubMenuName[2] = doc->strSubMenuItemText[1] = doc->strSubMenuItemText[ItemSlot(1, 0)] = "leftover";
  const std::string text = WriteJson(MacroToJson(*doc, 0));
  EXPECT_EQ(text,
            "{\n  \"version\": 0,\n  \"submenus\": [\n    {\n      \"name\": \"Caf\xC3\xA9\",\n      \"items\": [\n"
            "        {\"name\": \"nul\\u0000\", \"text\": \"line\\r\\n\\u0081\xE2\x82\xAC\", \"chain\": 7}\n      ]\n"
            "    },\n    {\n      \"name\": \"Empty\",\n      \"items\": []\n    }\n  ]\n}\n");
  const auto back = std::make_unique<MacroData>();
  JsonToMacro(ParseJson(text), *back);
  EXPECT_EQ(WriteJson(MacroToJson(*back, 0)), text);

  JsonToMacro(ParseJson(R"({"submenus": [{"name": "S", "items": [{"name": "a", "text": ""}, {"name": "b", "text": "",
      "chain": true}, {"name": "c", "text": "", "chain": false}, {"name": "d", "text": "", "chain": -2147483648}]}]})"), *back);
  const auto& chains = back->bChainToNext;
  EXPECT_EQ(std::vector<int>(chains.begin(), chains.begin() + 4), (std::vector<int>{0, 1, 0, INT32_MIN})) << "left out: 0";
}

TEST(MacroJson, RefusesWhatCannotBeWrittenAndNamesThePath) {
  const std::pair<std::string, std::string> rows[] = {
      {R"([])", ": expected an object, found a list"},
      {R"({})", ": the member \"submenus\" is missing"},
      {R"({"submenus": [], "extra": 1})", "extra: unknown member; the document has only \"version\", \"submenus\""},
      {R"({"version": "1", "submenus": []})", "version: expected a number, found a string"},
      {R"({"submenus": [{"name": 3, "items": []}]})", "submenus[0].name: expected a string, found a number"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chian": 1}]}]})",
       "submenus[0].items[0].chian: unknown member; an item has only \"name\", \"text\", \"chain\""},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chain": 2147483648}]}]})",
       "submenus[0].items[0].chain: expected a whole number from -2147483648 to 2147483647, found 2147483648"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chain": "yes"}]}]})",
       "submenus[0].items[0].chain: expected a number or true or false, found a string"},
      {R"({"submenus": [{"name": "a", "items": []}, {"name": "b", "items": [null]}]})",
       "submenus[1].items[0]: expected an object, found null"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "\u4e2d"}]}]})",
       "submenus[0].items[0].text: the character \"\xE4\xB8\xAD\" (U+4E2D) has no byte in Windows-1252"},
  };
  for (const auto& [json, fault] : rows) EXPECT_EQ(FaultOf(ParseJson(json)), fault) << json;

  // 50 submenus of 50 items at the most.
  JsonValue full = MacroToJson(*DocumentBuilder().NumberedSubMenus(49).SubMenu("S", NumberedItems(50)).Build(), 1);
  EXPECT_EQ(FaultOf(full), "accepted");
  JsonValue& submenus = full.members[1].value;
  JsonValue& items = submenus.items[49].members[1].value;
  items.items.push_back(items.items[0]);
  EXPECT_EQ(FaultOf(full), "submenus[49].items: 51 items; a submenu holds at most 50");
  items.items.pop_back();
  submenus.items.push_back(submenus.items[0]);
  EXPECT_EQ(FaultOf(full), "submenus: 51 submenus; a file holds at most 50");
}

TEST(Cp1252Text, EveryByteSurvivesTheTripThroughUtf8AndACharacterWithoutOneIsRefused) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  // The five undefined bytes are their own C1 controls; the defined ones
  // are Windows-1252's characters (euro, Y diaeresis, e acute).
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D\x80\x9F\xE9"),
            "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xE2\x82\xAC\xC5\xB8\xC3\xA9");
  std::string problem;
  EXPECT_EQ(Utf8ToCp1252("\xC2\x80", &problem), std::nullopt) << "U+0080 is not the euro sign";
  EXPECT_EQ(problem, "the character \"\xC2\x80\" (U+0080) has no byte in Windows-1252");
  EXPECT_EQ(Utf8ToCp1252("\xFF", &problem), std::nullopt);
  EXPECT_EQ(problem, "the text is not valid UTF-8");
}

}  // namespace
