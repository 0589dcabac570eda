// The tray's pick menu built from a document.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/macro_data.h"
#include "support/document_builder.h"
#include "view/pick_menu.h"

namespace {

using Kind = PickMenuEntry::Kind;

class PickMenuTest : public ::testing::Test {
 protected:
  std::unique_ptr<MacroData> doc = std::make_unique<MacroData>();

  void AddSubMenu(const std::string& name, const std::vector<TestItem>& items) {
    DocumentBuilder().SubMenu(name, items).AddTo(*doc);
  }

  // The entries after the fixed part, as "text" / "[cascade]" / "(grayed text)".
  static std::vector<std::string> Outline(const std::vector<PickMenuEntry>& menu) {
    std::vector<std::string> out;
    for (std::size_t i = 8; i < menu.size(); ++i) {
      const PickMenuEntry& e = menu[i];
      if (e.kind == Kind::popup) {
        out.push_back("[" + e.text + ":" + std::to_string(e.children.size()) + "]");
      } else {
        out.push_back(e.grayed ? "(" + e.text + ")" : e.text);
      }
    }
    return out;
  }
};

TEST_F(PickMenuTest, TopLevelItemsStandInlineAtTheirPlaceInAnyLetterCase) {
  AddSubMenu("Greetings", {{"Hi", "Hello"}});
  AddSubMenu("toplevel", {{"Tab", "[tab]"}, {"Enter", "[enter]"}});
  AddSubMenu("Keys", {});
  AddSubMenu("TOPLEVEL", {{"Sign", "Regards"}});
  AddSubMenu("TopLevels", {{"x", "y"}});  // only the exact word counts
  EXPECT_EQ(Outline(BuildPickMenu(*doc)),
            (std::vector<std::string>{"[Greetings:1]", "Tab", "Enter", "[Keys:0]", "Sign",
                                      "[TopLevels:1]"}));
}

TEST_F(PickMenuTest, ItemsCarryTheirCommandIdsAndEmptyTextsAreGrayed) {
  std::vector<TestItem> items = NumberedItems(8);
  items[2].text = "";
  items[6].name = "";
  DocumentBuilder().NumberedSubMenus(3).SubMenu("Fourth", items).AddTo(*doc);

  const auto menu = BuildPickMenu(*doc);
  const PickMenuEntry& fourth = menu.back();
  ASSERT_EQ(fourth.kind, Kind::popup);
  ASSERT_EQ(fourth.children.size(), 8u);
  EXPECT_EQ(fourth.children[7].id, 1232);
  EXPECT_EQ(fourth.children[0].id, 1225);
  EXPECT_TRUE(fourth.children[2].grayed);
  // A nameless item with a text is an ordinary, choosable entry.
  EXPECT_EQ(fourth.children[6].text, "");
  EXPECT_FALSE(fourth.children[6].grayed);
}

TEST_F(PickMenuTest, AFiftiethItemFromAFileIsLeftOut) {
  DocumentBuilder().SubMenu("Full", NumberedItems(kMaxItems)).SubMenu("TopLevel", NumberedItems(kMaxItems)).AddTo(*doc);
  const auto menu = BuildPickMenu(*doc);
  EXPECT_EQ(menu[8].children.size(), 49u);
  EXPECT_EQ(menu[8].children.back().id, 1075 + 48);
  EXPECT_EQ(menu.size(), 9u + 49u);  // the TopLevel items inline, also without their 50th
}

TEST_F(PickMenuTest, CountsOutsideTheDocumentsRoomAreReadSafely) {
  doc->nNumSubMenus = -3;
  const auto commandsOnly = BuildPickMenu(*doc);
  ASSERT_EQ(commandsOnly.size(), 8u);
  EXPECT_EQ(commandsOnly[7].kind, Kind::separator);
  doc->nNumSubMenus = 1000;
  doc->nNumSubMenuItems.fill(-1);
  doc->nNumSubMenuItems[0] = 1000;
  const auto menu = BuildPickMenu(*doc);
  EXPECT_EQ(menu.size(), 8u + kMaxSubMenus);
  EXPECT_EQ(menu[8].children.size(), 49u);
  EXPECT_TRUE(menu[9].children.empty());
}

}  // namespace
