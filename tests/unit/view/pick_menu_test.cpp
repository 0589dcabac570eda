// The tray's pick menu built from a document.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/macro_data.h"
#include "support/document_builder.h"
#include "view/pick_menu.h"

namespace {

using Kind = PickMenuEntry::Kind;

// The entries from first on (by default after the fixed part), as "text" /
// "[popup:items]" / "(grayed text)".
std::vector<std::string> Outline(const std::vector<PickMenuEntry>& menu, std::size_t first = 8) {
  std::vector<std::string> out;
  for (std::size_t i = first; i < menu.size(); ++i) {
    const PickMenuEntry& e = menu[i];
    if (e.kind == Kind::popup) {
      out.push_back("[" + e.text + ":" + std::to_string(e.children.size()) + "]");
    } else {
      out.push_back(e.grayed ? "(" + e.text + ")" : e.text);
    }
  }
  return out;
}

TEST(PickMenuTest, TopLevelItemsStandInlineAtTheirPlaceInAnyLetterCase) {
  const auto doc = DocumentBuilder()
                       .SubMenu("Greetings", {{"Hi", "Hello"}})
                       .SubMenu("toplevel", {{"Tab", "[tab]"}, {"Enter", "[enter]"}})
                       .SubMenu("Keys")
                       .SubMenu("TOPLEVEL", {{"Sign", "Regards"}})
                       .SubMenu("TopLevels", {{"x", "y"}})  // only the exact word counts
                       .Build();
  EXPECT_EQ(Outline(BuildPickMenu(*doc)),
            (std::vector<std::string>{"[Greetings:1]", "Tab", "Enter", "[Keys:0]", "Sign", "[TopLevels:1]"}));
}

// A nameless item with a text is an ordinary, choosable entry.
TEST(PickMenuTest, ItemsCarryTheirCommandIdsAndEmptyTextsAreGrayed) {
  std::vector<TestItem> items = NumberedItems(8);
  items[2].text = "";
  items[6].name = "";
  const auto menu = BuildPickMenu(*DocumentBuilder().NumberedSubMenus(3).SubMenu("Fourth", items).Build());
  ASSERT_EQ(Outline(menu).back(), "[Fourth:8]");
  const auto& fourth = menu.back().children;
  EXPECT_EQ(Outline(fourth, 0), (std::vector<std::string>{"I0", "I1", "(I2)", "I3", "I4", "I5", "", "I7"}));
  EXPECT_EQ(fourth[0].id, 1225);
  EXPECT_EQ(fourth[7].id, 1232);
}

// A fiftieth item (possible only from a file) is left out, in a submenu and
// inline; counts outside the document's room are read safely.
TEST(PickMenuTest, AFiftiethItemAndCountsOutsideTheDocumentsRoomAreLeftOut) {
  const auto doc = DocumentBuilder().SubMenu("Full", NumberedItems(kMaxItems)).SubMenu("TopLevel", NumberedItems(kMaxItems)).Build();
  auto menu = BuildPickMenu(*doc);
  EXPECT_EQ(menu[8].children.size(), 49u);
  EXPECT_EQ(menu[8].children.back().id, 1075 + 48);
  EXPECT_EQ(menu.size(), 9u + 49u);

  doc->nNumSubMenus = -3;
  menu = BuildPickMenu(*doc);
  ASSERT_EQ(menu.size(), 8u);
  EXPECT_EQ(menu[7].kind, Kind::separator);
  doc->nNumSubMenus = 1000;
  doc->nNumSubMenuItems.fill(-1);
  doc->nNumSubMenuItems[0] = 1000;
  doc->strSubMenuName[1] = "Second";
  menu = BuildPickMenu(*doc);
  EXPECT_EQ(menu.size(), 8u + kMaxSubMenus);
  EXPECT_EQ(menu[8].children.size(), 49u);
  EXPECT_TRUE(menu[9].children.empty());
}

}  // namespace
