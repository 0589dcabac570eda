// Opening the dialog, choosing entries, typing into the boxes and the
// chain check box.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Opening = EditorTest;

TEST_F(Opening, ShowsTheFirstSubMenuAndItsFirstItemAndChoosingShowsTheirs) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 7}, {"Tab", "[tab]", 0}});
  AddSubMenu("Text", {{"Hi", "Hi there", 0}, {"Bye", "Bye", 1}});
  AddSubMenu("Empty");
  const MacroData before = *data;
  Open();
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Keys", "Text", "Empty"));
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Enter", "Tab"));
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_EQ(Selection(EditorList::Items), 0);
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"Keys", "Enter", "[enter]"}));
  EXPECT_TRUE(controls.checked) << "a chain flag of 7 from a file counts as set";
  EXPECT_TRUE(SameContent(*data, before));

  user.ClickSubMenu(1);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Hi", "Bye"));
  EXPECT_EQ(Selection(EditorList::Items), 0);
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"Text", "Hi", "Hi there"}));
  EXPECT_FALSE(controls.checked);
  user.ClickItem(1);
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"Text", "Bye", "Bye"}));
  EXPECT_TRUE(controls.checked);

  // A submenu without items empties the text box only.
  user.ClickSubMenu(2);
  EXPECT_EQ(Selection(EditorList::Items), -1);
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"Empty", "Bye", ""}));
  EXPECT_TRUE(controls.checked);
  EXPECT_TRUE(SameContent(*data, before));
  EXPECT_THAT(TakeMessages(), IsEmpty()) << "emptying the text box from code raises nothing";
}

TEST_F(Opening, WithoutItemsTheItemBoxesStayEmptyAndTheBoxUnchecked) {
  controls.checked = true;
  Open();
  EXPECT_EQ(Selection(EditorList::SubMenus), -1);
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{}));
  EXPECT_FALSE(controls.checked);

  AddSubMenu("Empty");
  AddSubMenu("Full", {{"A", "a", 1}});
  Open();
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"Empty", "", ""}));
  EXPECT_FALSE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

using Typing = EditorTest;

// Names rename their list entry at every keystroke; a text over several
// lines is stored as typed, with carriage return and line feed; the check
// box stores the selected item's flag; nothing else changes.
TEST_F(Typing, EachBoxAndTheCheckBoxChangeOnlyTheSelectedEntry) {
  AddSubMenu("Keys", {{"Enter", "[enter]"}, {"Tab", "[tab]"}});
  AddSubMenu("Text");
  Open();
  user.ClickItem(1);
  user.Retype(EditorBox::SubMenuName, "K");
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("K", "Text"));
  user.Type(EditorBox::SubMenuName, "b");
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Kb", "Text"));
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_EQ(data->strSubMenuName[0], "Kb");

  user.Retype(EditorBox::ItemName, "Tabulator");
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Enter", "Tabulator"));
  EXPECT_EQ(Selection(EditorList::Items), 1);
  user.Retype(EditorBox::ItemText, "Line one\nLine two\n%d");
  EXPECT_EQ(ItemText(0, 1), "Line one\r\nLine two\r\n%d");
  user.ClickChain();
  EXPECT_EQ(Chain(0, 1), 1);
  user.ClickItem(0);
  EXPECT_FALSE(controls.checked);
  EXPECT_EQ(ItemName(0, 0) + ItemText(0, 0), "Enter[enter]");
  EXPECT_EQ(Chain(0, 0), 0);
  EXPECT_EQ(data->nNumSubMenuItems[0], 2);
  user.ClickItem(1);
  user.ClickChain();
  EXPECT_EQ(Chain(0, 1), 0);
  EXPECT_THAT(TakeMessages(), IsEmpty());

  editor.OnHelpButton();
  EXPECT_THAT(help.opened, ElementsAre("EditSubMenuHelp.html"));
}

TEST_F(Typing, AnItemNameWithNoItemSelectedAddsANewItemAtTheEnd) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 1}, {"Tab", "[tab]", 1}});
  Open();
  editor.OnDeleteItem();  // leaves no item selected
  user.Type(EditorBox::ItemName, "Z");
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Tab", "NewItem"));
  EXPECT_EQ(Selection(EditorList::Items), 1);
  EXPECT_EQ(controls.focus, EditorList::Items);
  EXPECT_EQ(Box(EditorBox::ItemName), "NewItem") << "the typed character is replaced";
  EXPECT_EQ(ItemName(0, 1), "NewItem");
  EXPECT_EQ(Chain(0, 1), 0);
  EXPECT_EQ(Chain(0, 0), 1);
  EXPECT_FALSE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

}  // namespace
