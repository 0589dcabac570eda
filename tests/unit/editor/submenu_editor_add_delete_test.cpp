// New Sub, New Item, Delete Sub and Delete Item: what they change, what
// stays selected, the limits of 49 submenus and 48 items, data from a file
// beyond those limits, and every refusal.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr unsigned kInfo = MB::Ok | MB::IconInformation;
constexpr unsigned kExclamation = MB::Ok | MB::IconExclamation;

using Adding = EditorTest;

// New Item and New Sub append, select and reuse what their slot held
// (leftovers of a larger document loaded earlier); a new submenu without
// items empties only the text box.
TEST_F(Adding, NewItemAndNewSubAppendSelectAndReuseTheSlotsContent) {
  AddSubMenu("Kept", {{"A", "a", 1}});
  AddSubMenu("Old", {{"OldItem", "old text", 1}});
  data->nNumSubMenus = 1;
  data->strSubMenuItemText[ItemSlot(0, 1)] = "left over";
  data->bChainToNext[ItemSlot(0, 1)] = 1;
  Open();
  editor.OnNewItem();
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("A", "NewItem"));
  EXPECT_EQ(Selection(EditorList::Items), 1);
  EXPECT_EQ(controls.focus, EditorList::Items);
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"Kept", "NewItem", "left over"}));
  EXPECT_EQ(Chain(0, 1), 0) << "a new item starts unchained";
  EXPECT_FALSE(controls.checked);

  editor.OnNewSub();
  EXPECT_EQ(data->strSubMenuName[1], "NewSub");
  EXPECT_EQ(data->nNumSubMenuItems[1], 1);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("OldItem"));
  EXPECT_EQ(Box(EditorBox::ItemText), "old text");

  EXPECT_EQ(Box(EditorBox::ItemName), "OldItem");
  EXPECT_TRUE(controls.checked);
  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 3);
  EXPECT_EQ(data->nNumSubMenuItems[2], 0);
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Kept", "NewSub", "NewSub"));
  EXPECT_EQ(Selection(EditorList::SubMenus), 2);
  EXPECT_EQ(controls.focus, EditorList::SubMenus);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(controls.boxes, (std::array<std::string, 3>{"NewSub", "OldItem", ""}));
  EXPECT_TRUE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Adding, The49thSubMenuAndThe48thItemAreTheLast) {
  DocumentBuilder().NumberedSubMenus(47).AddTo(*data);
  AddSubMenu("Full", NumberedItems(47));
  data->bChainToNext[ItemSlot(47, 48)] = 1;  // a leftover past the count
  Open();
  user.ClickSubMenu(47);
  editor.OnNewItem();
  EXPECT_EQ(data->nNumSubMenuItems[47], 48);
  EXPECT_EQ(Selection(EditorList::Items), 47);
  EXPECT_THAT(TakeMessages(), IsEmpty());

  // The refusal of a 49th item clears the check box and the next slot's
  // flag, nothing else.
  user.ClickItem(5);
  user.ClickChain();
  MacroData expected = *data;
  expected.bChainToNext[ItemSlot(47, 48)] = 0;
  editor.OnNewItem();
  EXPECT_THAT(TakeMessages(), ElementsAre(ShownMessage{kTooManyItems, kInfo}));
  EXPECT_FALSE(controls.checked);
  EXPECT_TRUE(SameContent(*data, expected));
  EXPECT_EQ(Selection(EditorList::Items), 5);

  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 49);
  EXPECT_EQ(Selection(EditorList::SubMenus), 48);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Adding, NegativeCountsFromAFileAreShownAsNoneAndRepairedByAdding) {
  AddSubMenu("Hidden", {{"H", "h"}});
  data->nNumSubMenus = -4;
  Open();
  EXPECT_THAT(Entries(EditorList::SubMenus), IsEmpty());
  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 1);

  data->nNumSubMenuItems[0] = -2;
  user.ClickSubMenu(0);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  editor.OnNewItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 1);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("NewItem"));
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

using Deleting = EditorTest;

// Deleting moves the later entries into the gap with everything they hold,
// leaves nothing selected in the list it changed and the boxes as they were.
TEST_F(Deleting, TheLaterEntriesMoveIntoTheGapWithTheirItemsAndFlags) {
  AddSubMenu("Zero", {{"A", "a", 1}, {"B", "b", 0}, {"C", "c", 1}});
  AddSubMenu("One", {{"O1", "o1", 1}, {"O2", "o2"}});
  AddSubMenu("Two", {{"T1", "t1", 0}, {"T2", "t2\r\nmore", 1}, {"T3", "t3", 1}});
  Open();
  FakeEditorControls shown = controls;
  editor.OnDeleteItem();
  EXPECT_EQ(data->nNumSubMenuItems[0], 2);
  EXPECT_EQ(ItemText(0, 0), "b");
  EXPECT_EQ(Chain(0, 0), 0);
  EXPECT_EQ(Chain(0, 1), 1);
  EXPECT_EQ(ItemName(0, 2), "") << "blank slots stay blank";
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("B", "C"));
  EXPECT_EQ(Selection(EditorList::Items), -1);
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_EQ(controls.boxes, shown.boxes);
  EXPECT_TRUE(controls.checked);

  user.ClickSubMenu(1);
  shown = controls;
  editor.OnDeleteSub();
  EXPECT_EQ(data->nNumSubMenus, 2);
  EXPECT_EQ(data->strSubMenuName[1], "Two");
  EXPECT_EQ(data->nNumSubMenuItems[1], 3);
  EXPECT_EQ(ItemText(1, 1), "t2\r\nmore");
  EXPECT_EQ(Chain(1, 0), 0);
  EXPECT_EQ(Chain(1, 2), 1);
  EXPECT_EQ(ItemName(1, 3), "") << "blank slots stay blank";
  EXPECT_EQ(ItemName(0, 1), "C");
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Zero", "Two"));
  EXPECT_EQ(Selection(EditorList::SubMenus), -1);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(controls.boxes, shown.boxes) << "the boxes keep what they showed";
  EXPECT_EQ(controls.checked, shown.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Deleting, TheLastSlotsKeepTheirContentInAFullSizedFile) {
  DocumentBuilder().NumberedSubMenus(49).AddTo(*data);
  AddSubMenu("S49", NumberedItems(50));
  Open();
  EXPECT_EQ(Entries(EditorList::SubMenus).size(), 50u) << "a file may hold 50 submenus";
  user.ClickSubMenu(49);
  user.ClickItem(0);
  editor.OnDeleteItem();
  EXPECT_EQ(data->nNumSubMenuItems[49], 49);
  EXPECT_EQ(ItemName(49, 0), "I1");
  EXPECT_EQ(ItemName(49, 48), "I49");
  EXPECT_EQ(ItemName(49, 49), "I49");

  user.ClickSubMenu(10);
  editor.OnDeleteSub();
  EXPECT_EQ(data->nNumSubMenus, 49);
  EXPECT_EQ(data->strSubMenuName[10], "S11");
  EXPECT_EQ(data->strSubMenuName[49], "S49");
  EXPECT_EQ(ItemName(48, 48), "I49");
  EXPECT_EQ(ItemName(49, 48), "I49");
}

// Each refusal shows its message and leaves the content and both lists
// as they were.
struct Refusal {
  const char* name;
  void (*arrange)(EditorTest&);
  void (*act)(EditorTest&);
  const char* message;
  unsigned type;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class Refusals : public EditorTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, ShowTheirMessageAndChangeNothing) {
  GetParam().arrange(*this);
  TakeMessages();
  const MacroData before = *data;
  const auto lists = controls.lists;
  GetParam().act(*this);
  EXPECT_THAT(TakeMessages(), ElementsAre(ShownMessage{GetParam().message, GetParam().type}));
  EXPECT_TRUE(SameContent(*data, before));
  EXPECT_EQ(controls.lists, lists);
}

void OpenEmpty(EditorTest& t) { t.Open(); }
void OpenWithoutItems(EditorTest& t) {
  t.AddSubMenu("Keys", {{"A", "a"}});
  t.AddSubMenu("Empty");
  t.Open();
  t.user.ClickSubMenu(1);
}
void OpenWith49SubMenus(EditorTest& t) {
  DocumentBuilder().NumberedSubMenus(49).AddTo(*t.data);
  t.Open();
  t.user.ClickSubMenu(3);
}
void OpenAFullSizedFile(EditorTest& t) {
  for (int s = 0; s < kMaxSubMenus; ++s) t.AddSubMenu("S", NumberedItems(kMaxItems));
  t.data->bChainToNext[ItemSlot(1, 0)] = 1;  // next to the full submenu 0
  t.Open();
}
void OpenWithAFailingItemList(EditorTest& t) {
  t.AddSubMenu("Keys", {{"A", "a", 1}});
  t.AddSubMenu("Before");
  t.data->bChainToNext[ItemSlot(0, 49)] = 1;
  t.Open();
  t.user.ClickSubMenu(1);
  t.controls.failItemCount = true;
}

void TypeSubMenuName(EditorTest& t) { t.user.Type(EditorBox::SubMenuName, "x"); }
void TypeItemName(EditorTest& t) { t.user.Type(EditorBox::ItemName, "x"); }
void TypeItemText(EditorTest& t) { t.user.Type(EditorBox::ItemText, "x"); }
void NewSub(EditorTest& t) { t.editor.OnNewSub(); }
void NewItem(EditorTest& t) { t.editor.OnNewItem(); }
void DeleteSub(EditorTest& t) { t.editor.OnDeleteSub(); }
void DeleteItem(EditorTest& t) { t.editor.OnDeleteItem(); }
void ClickChain(EditorTest& t) {
  t.user.ClickChain();
  EXPECT_TRUE(t.controls.checked) << "the box stays as the click left it";
}

INSTANTIATE_TEST_SUITE_P(
    EveryOne, Refusals,
    ::testing::Values(
        Refusal{"SubMenuNameWithNoSubMenu", OpenEmpty, TypeSubMenuName, kCreateSubMenuFirst, kInfo},
        Refusal{"ItemNameWithNoSubMenu", OpenEmpty, TypeItemName, kSelectSubMenuForItem, kExclamation},
        Refusal{"NewItemWithNoSubMenu", OpenEmpty, NewItem, kSelectSubMenuForItem, kExclamation},
        Refusal{"DeleteSubWithNoSubMenu", OpenEmpty, DeleteSub, kSelectSubMenuToDelete, kInfo},
        Refusal{"ItemTextWithNoSubMenu", OpenEmpty, TypeItemText, kSelectSubMenuAndItem, kInfo},
        Refusal{"ItemTextWithNoItem", OpenWithoutItems, TypeItemText, kSelectSubMenuAndItem, kInfo},
        Refusal{"ChainWithNoItem", OpenWithoutItems, ClickChain, kSelectBeforeChaining, kInfo},
        Refusal{"DeleteItemWithNoItem", OpenWithoutItems, DeleteItem, kSelectItemToDelete, kInfo},
        Refusal{"NewSubAt49", OpenWith49SubMenus, NewSub, kTooManySubMenus, kInfo},
        Refusal{"NewSubInAFullSizedFile", OpenAFullSizedFile, NewSub, kTooManySubMenus, kInfo},
        Refusal{"NewItemInAFullSizedFile", OpenAFullSizedFile, NewItem, kTooManyItems, kInfo},
        Refusal{"NewItemWhenTheListCountFails", OpenWithAFailingItemList, NewItem, kTooManyItems, kInfo}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

}  // namespace
