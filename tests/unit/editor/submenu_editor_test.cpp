// Opening the dialog, choosing entries, typing into the boxes and the
// chain check box.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editor_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr unsigned kInfo = MB::Ok | MB::IconInformation;
constexpr unsigned kExclamation = MB::Ok | MB::IconExclamation;

using Opening = EditorTest;

TEST_F(Opening, EmptyDocumentShowsNothingSelected) {
  controls.checked = true;
  Open();
  EXPECT_THAT(Entries(EditorList::SubMenus), IsEmpty());
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(Selection(EditorList::SubMenus), -1);
  EXPECT_EQ(Selection(EditorList::Items), -1);
  EXPECT_EQ(Box(EditorBox::SubMenuName), "");
  EXPECT_EQ(Box(EditorBox::ItemName), "");
  EXPECT_EQ(Box(EditorBox::ItemText), "");
  EXPECT_FALSE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Opening, ShowsFirstSubMenuAndItsFirstItem) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 7}, {"Tab", "[tab]", 0}});
  AddSubMenu("Text", {{"Hello", "Hello\r\nWorld"}});
  const MacroData before = *data;
  Open();
  EXPECT_THAT(Entries(EditorList::SubMenus), ElementsAre("Keys", "Text"));
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Enter", "Tab"));
  EXPECT_EQ(Selection(EditorList::Items), 0);
  EXPECT_EQ(Box(EditorBox::SubMenuName), "Keys");
  EXPECT_EQ(Box(EditorBox::ItemName), "Enter");
  EXPECT_EQ(Box(EditorBox::ItemText), "[enter]");
  EXPECT_TRUE(controls.checked) << "a chain flag of 7 from a file counts as set";
  EXPECT_TRUE(SameContent(*data, before)) << "opening changes nothing";
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Opening, FirstSubMenuWithoutItemsLeavesItemBoxesEmpty) {
  AddSubMenu("Empty");
  AddSubMenu("Full", {{"A", "a", 1}});
  Open();
  EXPECT_EQ(Selection(EditorList::SubMenus), 0);
  EXPECT_EQ(Box(EditorBox::SubMenuName), "Empty");
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(Box(EditorBox::ItemName), "");
  EXPECT_EQ(Box(EditorBox::ItemText), "");
  EXPECT_FALSE(controls.checked);
}

using Choosing = EditorTest;

TEST_F(Choosing, ASubMenuShowsItsItemsAndFirstItem) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 1}});
  AddSubMenu("Text", {{"Hi", "Hi there", 0}, {"Bye", "Bye", 1}});
  Open();
  user.ClickSubMenu(1);
  EXPECT_EQ(Selection(EditorList::SubMenus), 1);
  EXPECT_EQ(Box(EditorBox::SubMenuName), "Text");
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Hi", "Bye"));
  EXPECT_EQ(Selection(EditorList::Items), 0);
  EXPECT_EQ(Box(EditorBox::ItemName), "Hi");
  EXPECT_EQ(Box(EditorBox::ItemText), "Hi there");
  EXPECT_FALSE(controls.checked);

  user.ClickItem(1);
  EXPECT_EQ(Selection(EditorList::SubMenus), 1);
  EXPECT_EQ(Box(EditorBox::ItemName), "Bye");
  EXPECT_EQ(Box(EditorBox::ItemText), "Bye");
  EXPECT_TRUE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty()) << "emptying the text box from code raises nothing";
}

TEST_F(Choosing, ASubMenuWithoutItemsKeepsItemNameAndCheckBox) {
  AddSubMenu("Keys", {{"Enter", "[enter]", 1}});
  AddSubMenu("Empty");
  Open();
  user.ClickSubMenu(1);
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(Selection(EditorList::Items), -1);
  EXPECT_EQ(Box(EditorBox::SubMenuName), "Empty");
  EXPECT_EQ(Box(EditorBox::ItemText), "");
  EXPECT_EQ(Box(EditorBox::ItemName), "Enter");
  EXPECT_TRUE(controls.checked);
  EXPECT_EQ(ItemName(0, 0), "Enter");
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

using Typing = EditorTest;

TEST_F(Typing, InAnEmptyDocumentEveryKeystrokeIsRefusedAndNothingStored) {
  Open();
  const MacroData before = *data;
  user.Type(EditorBox::SubMenuName, "ab");
  user.Type(EditorBox::ItemName, "c");
  user.Type(EditorBox::ItemText, "d");
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kCreateSubMenuFirst, kInfo},
                                          Shown::value_type{kCreateSubMenuFirst, kInfo},
                                          Shown::value_type{kSelectSubMenuForItem, kExclamation},
                                          Shown::value_type{kSelectSubMenuAndItem, kInfo}));
  EXPECT_TRUE(SameContent(*data, before));
  EXPECT_THAT(Entries(EditorList::SubMenus), IsEmpty());
  EXPECT_THAT(Entries(EditorList::Items), IsEmpty());
  EXPECT_EQ(Box(EditorBox::SubMenuName), "ab") << "the typed characters stay in the box";
  EXPECT_EQ(Box(EditorBox::ItemText), "d");
}

TEST_F(Typing, NamesRenameTheirListEntryAtEveryKeystroke) {
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
  EXPECT_EQ(ItemName(0, 1), "Tabulator");
  EXPECT_EQ(ItemName(0, 0), "Enter");
  EXPECT_EQ(data->nNumSubMenuItems[0], 2);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Typing, ItemTextOverSeveralLinesIsStoredWithCarriageReturnLineFeed) {
  AddSubMenu("Text", {{"Address", ""}, {"Other", "keep"}});
  Open();
  user.Type(EditorBox::ItemText, "Line one\nLine two\n%d");
  EXPECT_EQ(ItemText(0, 0), "Line one\r\nLine two\r\n%d");
  EXPECT_EQ(ItemText(0, 1), "keep");
  EXPECT_THAT(Entries(EditorList::Items), ElementsAre("Address", "Other"));
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Typing, ItemTextWithoutASelectedItemIsRefusedAtEveryKeystroke) {
  AddSubMenu("Empty");
  Open();
  const MacroData before = *data;
  user.Type(EditorBox::ItemText, "xy");
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kSelectSubMenuAndItem, kInfo},
                                          Shown::value_type{kSelectSubMenuAndItem, kInfo}));
  EXPECT_TRUE(SameContent(*data, before));
  EXPECT_EQ(Box(EditorBox::ItemText), "xy");
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
  EXPECT_EQ(data->nNumSubMenuItems[0], 2);
  EXPECT_EQ(Chain(0, 1), 0);
  EXPECT_EQ(Chain(0, 0), 1);
  EXPECT_FALSE(controls.checked);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

using Chaining = EditorTest;

TEST_F(Chaining, TheCheckBoxStoresTheSelectedItemsFlag) {
  AddSubMenu("Keys", {{"A", "a"}, {"B", "b"}});
  Open();
  user.ClickItem(1);
  user.ClickChain();
  EXPECT_EQ(Chain(0, 1), 1);
  EXPECT_EQ(Chain(0, 0), 0);
  user.ClickItem(0);
  EXPECT_FALSE(controls.checked);
  user.ClickItem(1);
  EXPECT_TRUE(controls.checked);
  user.ClickChain();
  EXPECT_EQ(Chain(0, 1), 0);
  EXPECT_THAT(TakeMessages(), IsEmpty());
}

TEST_F(Chaining, AClickWithNoItemSelectedIsRefusedAndLeavesTheBoxToggled) {
  AddSubMenu("Keys", {{"A", "a"}});
  AddSubMenu("Empty");
  Open();
  user.ClickSubMenu(1);
  const MacroData before = *data;
  user.ClickChain();
  EXPECT_THAT(TakeMessages(), ElementsAre(Shown::value_type{kSelectBeforeChaining, kInfo}));
  EXPECT_TRUE(controls.checked);
  EXPECT_TRUE(SameContent(*data, before));
}

TEST(HelpButton, OpensTheDialogsHelpPage) {
  MacroData data;
  FakeEditorControls controls;
  RecordingMessages messages;
  RecordingHelp help;
  SubMenuEditor editor(data, controls, messages, help);
  editor.OnInitDialog();
  editor.OnHelpButton();
  EXPECT_THAT(help.opened, ElementsAre("EditSubMenuHelp.html"));
  EXPECT_THAT(messages.shown, IsEmpty());
}

}  // namespace
