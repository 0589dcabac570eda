// What zvk check warns about.
#include <gmock/gmock.h>

#include <memory>
#include <string>

#include "support/document_builder.h"
#include "tools/zvk/check_report.h"

using ::testing::AllOf;
using ::testing::HasSubstr;

namespace {

struct CheckTest : ::testing::Test {
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
  EXPECT_THAT(Warnings(), HasSubstr("Submenu 49 \"fiftieth\" has 49 items; the editor makes at most 48.\n"));
  doc->nNumSubMenuItems[49] = 50;
  EXPECT_THAT(Warnings(), HasSubstr("Its last item, 49.49 \"\", cannot be picked"));

  doc->ClearAll();
  AddSubMenu("a", 0);
  doc->nNumSubMenuItems[0] = -1;
  EXPECT_THAT(Warnings(0), HasSubstr("version word is 0"));
  EXPECT_THAT(Warnings(), HasSubstr("Submenu 0 \"a\" has the item count -1, which is read as no items."));
  EXPECT_EQ(CheckSummary(*doc, 0), (std::vector<std::string>{"version 0, 1 submenu, 0 items", "  submenu 0 \"a\": 0 items"}));
  doc->nNumSubMenus = -1;
  EXPECT_EQ(Warnings(), "The submenu count is -1, which is read as no submenus.\n");
}

TEST_F(CheckTest, WarnsAboutEmptyTextsChainsPastTheEndAndSeveralTopLevels) {
  AddSubMenu("toplevel", 2);
  AddSubMenu("Other", 1);
  AddSubMenu("TOPLEVEL", 50);
  doc->strSubMenuItemText[ItemSlot(0, 1)] = "";
  doc->bChainToNext[ItemSlot(0, 1)] = 1;   // chained past its last item
  doc->bChainToNext[ItemSlot(1, 0)] = -3;  // any nonzero value counts
  doc->bChainToNext[ItemSlot(2, 49)] = 1;  // the row ends; nothing runs after
  EXPECT_THAT(Warnings(), AllOf(HasSubstr("2 submenus are named TopLevel (0 \"toplevel\", 2 \"TOPLEVEL\")"),
                                HasSubstr("Item 0.1 \"item\" has an empty text"),
                                HasSubstr("Item 0.1 \"item\" is the last of its submenu but is chained to the next item: a run"),
                                HasSubstr("Item 1.0 \"item\" is the last of its submenu but is chained"),
                                HasSubstr("Item 2.49 \"item\" is the last of its submenu but is chained to the next "
                                          "item; the chain ends there.")));
}

}  // namespace
