// New Sub, New Item, Delete Sub and Delete Item: what they change, what
// stays selected, the limits of 49 submenus and 48 items, and data from a
// file beyond those limits.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr unsigned kInfo = MB::Ok | MB::IconInformation;
constexpr unsigned kExclamation = MB::Ok | MB::IconExclamation;

using NewSub = EditorTest;

TEST_F(NewSub, InAnEmptyDocumentAddsNewSubSelectedWithoutItems) {
  Open();
  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 1);
  EXPECT_EQ(data->strSubMenuName[0], "NewSub");
  EXPECT_EQ(data->nNumSubMenuItems[0], 0);
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("NewSub"));
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_EQ(controls.focus, EditorList::SubMenus);
  EXPECT_EQ(Box(EditorBox::SubMenuName), "NewSub");
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(NewSub, AppendsAfterTheLastAndEmptiesTheTextBox) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 1}});
  Open();
  editor.OnNewSub();
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Keys", "NewSub"));
  EXPECT_EQ(Selection(EditorList::SubMenus), 1);
  EXPECT_EQ(Box(EditorBox::ItemText), "");
  // No items in the new submenu: the item-name box and check box keep theirs.
  EXPECT_EQ(Box(EditorBox::ItemName), "Enter");
  EXPECT_TRUE(controls.checked);
}

TEST_F(NewSub, AddsThe49thAndRefusesThe50th) {
  AddNumberedSubMenus(48);
  Open();
  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 49);
  EXPECT_EQ(Selection(EditorList::SubMenus), 48);
  EXPECT_THAT(TakeMessages(), IsEmpty());

  user.ClickSubMenu(3);
  const MacroData before = *data;
  const FakeEditorControls shown = controls;
  editor.OnNewSub();
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kTooManySubMenus, kInfo}));
  EXPECT_TRUE(SameContent(*data, before));
  EXPECT_EQ(Entries(EditorList::SubMenus), shown.Get(EditorList::SubMenus).entries);
  EXPECT_EQ(Selection(EditorList::SubMenus), 3);
}

TEST_F(NewSub, ReusesASlotWithTheItemsItHeld) {
  // Leftovers of a larger document loaded earlier: slot 1 is past the count.
  AddSubMenu("Kept");
  AddSubMenu("Old", {{"OldItem", "old text", 1}});
  data->nNumSubMenus = 1;
  Open();
  editor.OnNewSub();
  EXPECT_EQ(data->strSubMenuName[1], "NewSub");
  EXPECT_EQ(data->nNumSubMenuItems[1], 1);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("OldItem"));
  EXPECT_EQ(Box(EditorBox::ItemText), "old text");
}

using NewItem = EditorTest;

TEST_F(NewItem, AddsNewItemSelectedUncheckedWithTheSlotsText) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 1}});
  Open();
  editor.OnNewItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 2);
  EXPECT_EQ(ItemName(0, 1), "NewItem");
  EXPECT_EQ(Chain(0, 1), 0);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Enter", "NewItem"));
  EXPECT_EQ(Selection(EditorList::Items), 1);
  EXPECT_EQ(controls.focus, EditorList::Items);
  EXPECT_EQ(Box(EditorBox::ItemName), "NewItem");
  EXPECT_EQ(Box(EditorBox::ItemText), "");
  EXPECT_FALSE(controls.checked);
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(NewItem, WithoutASelectedSubMenuIsRefused) {
  AddSubMenu("A");
  AddSubMenu("B");
  Open();
  editor.OnDeleteSub();  // leaves no submenu selected
  const MacroData before = *data;
  editor.OnNewItem();
  user.Type(EditorBox::ItemName, "x");
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kSelectSubMenuForItem, kExclamation},
                                          Shown::value_type{kSelectSubMenuForItem, kExclamation}));
  EXPECT_TRUE(SameContent(*data, before));
}

TEST_F(NewItem, AddsThe48thAndRefusesThe49thClearingOnlyTheCheckBox) {
  AddSubMenu("Full", NumberedItems(47));
  data->bChainToNext[ItemSlot(0, 48)] = 1;  // a leftover past the count
  Open();
  editor.OnNewItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 48);
  EXPECT_EQ(Selection(EditorList::Items), 47);
  EXPECT_THAT(TakeMessages(), IsEmpty());

  user.ClickItem(5);
  user.ClickChain();
  ASSERT_EQ(Chain(0, 5), 1);
  MacroData expected = *data;
  expected.bChainToNext[ItemSlot(0, 48)] = 0;
  editor.OnNewItem();
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kTooManyItems, kInfo}));
  EXPECT_FALSE(controls.checked);
  EXPECT_EQ(Chain(0, 5), 1) << "the selected item's flag is kept";
  EXPECT_TRUE(SameContent(*data, expected));
  EXPECT_EQ(Entries(EditorList::Items).size(), 48u);
  EXPECT_EQ(Selection(EditorList::Items), 5);

}

using DeleteSub = EditorTest;

TEST_F(DeleteSub, InTheMiddleMovesTheNextSubMenuDownWithAllItsItems) {
  AddSubMenu("Zero", {{"Z", "z"}});
  AddSubMenu("One", {{"O1", "o1", 1}, {"O2", "o2"}});
  AddSubMenu("Two", {{"T1", "t1", 0}, {"T2", "t2\r\nmore", 1}, {"T3", "t3", 1}});
  Open();
  user.ClickSubMenu(1);
  const FakeEditorControls shown = controls;
  editor.OnDeleteSub();

  EXPECT_EQ(data->nNumSubMenus, 2);
  EXPECT_EQ(data->strSubMenuName[1], "Two");
  EXPECT_EQ(data->nNumSubMenuItems[1], 3);
  EXPECT_EQ(ItemName(1, 1), "T2");
  EXPECT_EQ(ItemText(1, 1), "t2\r\nmore");
  EXPECT_EQ(Chain(1, 0), 0);
  EXPECT_EQ(Chain(1, 2), 1);
  EXPECT_EQ(ItemName(1, 3), "") << "blank slots stay blank";
  EXPECT_EQ(data->strSubMenuName[0], "Zero");
  EXPECT_EQ(ItemName(0, 0), "Z");

  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Zero", "Two"));
  EXPECT_EQ(Selection(EditorList::SubMenus), -1);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(controls.boxes, shown.boxes) << "the boxes keep what they showed";
  EXPECT_EQ(controls.checked, shown.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());

  // With nothing selected the boxes refuse.
  user.Type(EditorBox::SubMenuName, "x");
  editor.OnDeleteSub();
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kCreateSubMenuFirst, kInfo},
                                          Shown::value_type{kSelectSubMenuToDelete, kInfo}));
  EXPECT_EQ(data->nNumSubMenus, 2);
}

TEST_F(DeleteSub, TheLastSlotKeepsItsContent) {
  AddNumberedSubMenus(50);
  data->strSubMenuItemName[ItemSlot(49, 0)] = "last";
  Open();
  EXPECT_EQ(Entries(EditorList::SubMenus).size(), 50u) << "a file may hold 50 submenus";
  user.ClickSubMenu(10);
  editor.OnDeleteSub();
  EXPECT_EQ(data->nNumSubMenus, 49);
  EXPECT_EQ(data->strSubMenuName[10], "S11");
  EXPECT_EQ(data->strSubMenuName[48], "S49");
  EXPECT_EQ(data->strSubMenuName[49], "S49");
  EXPECT_EQ(ItemName(48, 0), "last");
  EXPECT_EQ(ItemName(49, 0), "last");
}

using DeleteItem = EditorTest;

TEST_F(DeleteItem, TheFirstOfThreeMovesTheOthersWithTheirFlags) {
  AddSubMenu("Keys", {{"A", "a", 1}, {"B", "b", 0}, {"C", "c", 1}});
  AddSubMenu("Other", {{"X", "x", 1}});
  Open();
  const FakeEditorControls shown = controls;
  editor.OnDeleteItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 2);
  EXPECT_EQ(ItemName(0, 0), "B");
  EXPECT_EQ(ItemText(0, 0), "b");
  EXPECT_EQ(Chain(0, 0), 0);
  EXPECT_EQ(ItemName(0, 1), "C");
  EXPECT_EQ(Chain(0, 1), 1);
  EXPECT_EQ(ItemName(0, 2), "") << "blank slots stay blank";
  EXPECT_EQ(ItemName(1, 0), "X");
  EXPECT_EQ(Chain(1, 0), 1);

  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("B", "C"));
  EXPECT_EQ(Selection(EditorList::Items), -1);
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_EQ(controls.boxes, shown.boxes);
  EXPECT_TRUE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());

  // Nothing selected now: a second delete and a text edit are refused.
  const MacroData before = *data;
  editor.OnDeleteItem();
  user.Type(EditorBox::ItemText, "!");
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kSelectItemToDelete, kInfo},
                                          Shown::value_type{kSelectSubMenuAndItem, kInfo}));
  EXPECT_TRUE(SameContent(*data, before));
}

TEST_F(DeleteItem, TheLastItemSlotKeepsItsContent) {
  AddSubMenu("Full", NumberedItems(50));
  Open();
  user.ClickItem(49);
  editor.OnDeleteItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 49);
  EXPECT_EQ(ItemName(0, 48), "I48");
  EXPECT_EQ(ItemName(0, 49), "I49");
  user.ClickItem(0);
  editor.OnDeleteItem();
  EXPECT_EQ(ItemName(0, 0), "I1");
  EXPECT_EQ(ItemName(0, 48), "I49");
  EXPECT_EQ(ItemName(0, 49), "I49");
}

using UnusualCounts = EditorTest;

TEST_F(UnusualCounts, FullSizedFileIsShownButNothingIsAdded) {
  AddSubMenu("First", NumberedItems(50));
  for (int s = 1; s < 50; ++s) AddSubMenu("S" + std::to_string(s), NumberedItems(50));
  data->bChainToNext[ItemSlot(1, 0)] = 1;
  Open();
  EXPECT_EQ(Entries(EditorList::SubMenus).size(), 50u);
  EXPECT_EQ(Entries(EditorList::Items).size(), 50u);
  const MacroData before = *data;
  editor.OnNewSub();
  editor.OnNewItem();
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kTooManySubMenus, kInfo},
                                          Shown::value_type{kTooManyItems, kInfo}));
  EXPECT_TRUE(SameContent(*data, before)) << "the next submenu's first chain flag is not touched";

  user.ClickSubMenu(49);
  user.ClickItem(49);
  EXPECT_EQ(Box(EditorBox::ItemName), "I49");
  user.Type(EditorBox::ItemText, "+");
  EXPECT_EQ(ItemText(49, 49), "T49+");
  editor.OnNewItem();
  EXPECT_EQ(data->bChainToNext, before.bChainToNext);
}

TEST_F(UnusualCounts, NegativeCountsAreShownAsNoneAndRepairedByAdding) {
  AddSubMenu("Hidden", {{"H", "h"}});
  data->nNumSubMenus = -4;
  Open();
  EXPECT_THAT(Entries(EditorList::SubMenus), IsEmpty());
  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 1);
  EXPECT_EQ(data->strSubMenuName[0], "NewSub");

  data->nNumSubMenuItems[0] = -2;
  user.ClickSubMenu(0);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  editor.OnNewItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 1);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("NewItem"));
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(UnusualCounts, AFailedListCountIsRefusedWithoutStoringIt) {
  AddSubMenu("Keys", {{"A", "a", 1}});
  AddSubMenu("Before");
  data->bChainToNext[ItemSlot(0, 49)] = 1;
  Open();
  user.ClickSubMenu(1);
  controls.failItemCount = true;
  const MacroData before = *data;
  editor.OnNewItem();
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kTooManyItems, kInfo}));
  EXPECT_TRUE(SameContent(*data, before));
}

}  // namespace
