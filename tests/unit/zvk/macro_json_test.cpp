#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/document_builder.h"
#include "tools/zvk/json_reader.h"
#include "tools/zvk/json_writer.h"
#include "tools/zvk/macro_json.h"

namespace {

std::unique_ptr<MacroData> Empty() { return std::make_unique<MacroData>(); }

// The fault JsonToMacro reports for a JSON text: "path: message".
std::string FaultOf(const std::string& json) {
  const auto doc = Empty();
  try {
    JsonToMacro(ParseJson(json), *doc);
  } catch (const MacroJsonError& e) {
    return e.Path() + ": " + e.what();
  }
  return "accepted";
}

std::string Items(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += std::string(i ? "," : "") + R"({"name":"n","text":"t"})";
  return out;
}

TEST(MacroJson, ShowsOnlyTheContentWithinTheCountsAndReadsItBack) {
  // Any stored chain value is shown as it is.
  const auto doc =
      DocumentBuilder().SubMenu("Caf\xE9", {{std::string("nul\0", 4), "line\r\n\x81\x80", 7}}).SubMenu("Empty").Build();
  // Leftovers past the counts are not content.
  doc->strSubMenuItemText[1] = "leftover";
  doc->strSubMenuItemText[ItemSlot(1, 0)] = "leftover";
  doc->strSubMenuName[2] = "leftover";

  const std::string text = WriteJson(MacroToJson(*doc, 0));
  EXPECT_EQ(text.find("leftover"), std::string::npos) << text;
  EXPECT_NE(text.find("\"version\": 0"), std::string::npos) << text;

  // Read back, it is the same document and writes the same text.
  const auto back = Empty();
  JsonToMacro(ParseJson(text), *back);
  EXPECT_EQ(WriteJson(MacroToJson(*back, 0)), text);
  EXPECT_EQ(back->strSubMenuItemName[0], std::string("nul\0", 4));
  EXPECT_EQ(back->strSubMenuItemText[0], "line\r\n\x81\x80");
  EXPECT_EQ(back->strSubMenuItemText[1], "");
}

TEST(MacroJson, NegativeCountsShowNoContent) {
  const auto doc = Empty();
  doc->nNumSubMenus = 1;
  doc->nNumSubMenuItems[0] = -4;
  EXPECT_EQ(MacroToJson(*doc, 1).Find("submenus")->items[0].Find("items")->items.size(), 0u);
  doc->nNumSubMenus = -1;
  EXPECT_EQ(MacroToJson(*doc, 1).Find("submenus")->items.size(), 0u);
}

TEST(MacroJson, ChainMayBeLeftOutOrGivenAsTrueOrFalse) {
  const auto doc = Empty();
  JsonToMacro(ParseJson(R"({"submenus": [{"name": "S", "items": [
      {"name": "a", "text": "1"}, {"name": "b", "text": "2", "chain": true},
      {"name": "c", "text": "3", "chain": false}, {"name": "d", "text": "4", "chain": -2147483648}]}]})"),
              *doc);
  EXPECT_EQ(doc->bChainToNext[0], 0);
  EXPECT_EQ(doc->bChainToNext[1], 1);
  EXPECT_EQ(doc->bChainToNext[2], 0);
  EXPECT_EQ(doc->bChainToNext[3], INT32_MIN);
}

TEST(MacroJson, TakesFiftyAndRefusesFiftyOne) {
  std::string fifty = R"({"submenus": [)";
  for (int s = 0; s < 50; ++s) fifty += std::string(s ? "," : "") + R"({"name":"s","items":[)" + Items(s == 49 ? 50 : 0) + "]}";
  fifty += "]}";
  EXPECT_EQ(FaultOf(fifty), "accepted");

  std::string submenus = R"({"submenus": [)";
  for (int s = 0; s < 51; ++s) submenus += std::string(s ? "," : "") + R"({"name":"s","items":[]})";
  submenus += "]}";
  EXPECT_EQ(FaultOf(submenus), "submenus: 51 submenus; a file holds at most 50");

  EXPECT_EQ(FaultOf(R"({"submenus": [{"name":"a","items":[]}, {"name":"b","items":[)" + Items(51) + "]}]}"),
            "submenus[1].items: 51 items; a submenu holds at most 50");
}

TEST(MacroJson, RefusesWhatCannotBeWrittenAndNamesThePath) {
  struct Case {
    const char* json;
    const char* fault;
  };
  const Case cases[] = {
      {R"([])", ": expected an object, found a list"},
      {R"({})", ": the member \"submenus\" is missing"},
      {R"({"submenus": [], "extra": 1})", "extra: unknown member; the document has only \"version\", \"submenus\""},
      {R"({"submenus": [{"name": 3, "items": []}]})", "submenus[0].name: expected a string, found a number"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chian": 1}]}]})",
       "submenus[0].items[0].chian: unknown member; an item has only \"name\", \"text\", \"chain\""},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chain": 2147483648}]}]})",
       "submenus[0].items[0].chain: expected a whole number from -2147483648 to 2147483647, found 2147483648"},
      {R"({"submenus": [{"name": "a", "items": [{"name": "x", "text": "y", "chain": "yes"}]}]})",
       "submenus[0].items[0].chain: expected a number or true or false, found a string"},
      {R"({"submenus": [{"name": "a", "items": []}, {"name": "b", "items": [null]}]})",
       "submenus[1].items[0]: expected an object, found null"},
      {"{\"submenus\": [{\"name\": \"a\", \"items\": [{\"name\": \"x\", \"text\": \"\\u4e2d\"}]}]}",
       "submenus[0].items[0].text: the character \"\xE4\xB8\xAD\" (U+4E2D) has no byte in Windows-1252"},
  };
  for (const Case& c : cases) EXPECT_EQ(FaultOf(c.json), c.fault) << c.json;
}

}  // namespace
