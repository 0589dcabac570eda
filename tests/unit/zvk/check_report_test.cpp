#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/document_builder.h"
#include "tools/zvk/check_report.h"

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

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(CheckTest, WarnsBeyondWhatTheEditorMakesAndAboutTheItemThatCannotBePicked) {
  for (int s = 0; s < 49; ++s) AddSubMenu("s", 2);
  doc->bChainToNext[ItemSlot(1, 0)] = 1;  // chained to the next item of its submenu
  EXPECT_EQ(Warnings(), "");
  AddSubMenu("fiftieth", 48);
  EXPECT_TRUE(Has(Warnings(), "The file has 50 submenus; the editor makes at most 49")) << Warnings();

  doc->nNumSubMenuItems[49] = 49;
  std::string w = Warnings();
  EXPECT_TRUE(Has(w, "Submenu 49 \"fiftieth\" has 49 items; the editor makes at most 48.")) << w;
  EXPECT_FALSE(Has(w, "cannot be picked")) << w;

  doc->nNumSubMenuItems[49] = 50;
  doc->strSubMenuItemText[ItemSlot(49, 48)] = "x";
  doc->strSubMenuItemText[ItemSlot(49, 49)] = "x";
  w = Warnings();
  EXPECT_TRUE(Has(w, "Its last item, 49.49 \"\", cannot be picked")) << w;
}

TEST_F(CheckTest, WarnsAboutEmptyTextsChainsPastTheEndAndSeveralTopLevels) {
  AddSubMenu("toplevel", 2);
  AddSubMenu("Other", 1);
  AddSubMenu("TOPLEVEL", 50);
  doc->strSubMenuItemText[ItemSlot(0, 1)] = "";
  doc->bChainToNext[ItemSlot(0, 1)] = 1;   // chained past its last item
  doc->bChainToNext[ItemSlot(1, 0)] = -3;  // any nonzero value counts
  doc->bChainToNext[ItemSlot(2, 49)] = 1;  // the row ends; nothing runs after

  const std::string w = Warnings();
  EXPECT_TRUE(Has(w, "2 submenus are named TopLevel (0 \"toplevel\", 2 \"TOPLEVEL\")")) << w;
  EXPECT_TRUE(Has(w, "Item 0.1 \"item\" has an empty text")) << w;
  EXPECT_TRUE(Has(w, "Item 0.1 \"item\" is the last of its submenu but is chained to the next item: a run")) << w;
  EXPECT_TRUE(Has(w, "Item 1.0 \"item\" is the last of its submenu but is chained")) << w;
  EXPECT_TRUE(Has(w, "Item 2.49 \"item\" is the last of its submenu but is chained to the next item; the chain "
                     "ends there.")) << w;
}

TEST_F(CheckTest, WarnsAboutNegativeCountsAndAnOldVersionWord) {
  AddSubMenu("a", 0);
  doc->nNumSubMenuItems[0] = -1;
  std::string w = Warnings(0);
  EXPECT_TRUE(Has(w, "version word is 0")) << w;
  EXPECT_TRUE(Has(w, "Submenu 0 \"a\" has the item count -1, which is read as no items.")) << w;
  doc->nNumSubMenus = -7;
  w = Warnings();
  EXPECT_EQ(w, "The submenu count is -7, which is read as no submenus.\n");
  EXPECT_EQ(CheckSummary(*doc, 1)[0], "version 1, 0 submenus, 0 items");
}

}  // namespace
