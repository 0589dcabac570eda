// The Edit SubMenus dialog's logic over its controls and the command that
// runs it over a working copy of the document.

#include <gmock/gmock.h>

#include <functional>

#include "document/zorvak_doc.h"
#include "editor/edit_submenus_command.h"
#include "editor/submenu_editor.h"
#include "fake_editor_controls.h"
#include "support/document_builder.h"
#include "support/scripted_ports.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr unsigned kInfo = MB::kOk | MB::kIconInformation;
const char* const kTooManyItems =
    "Error:  To many submenu items.  Delete one or more submenu items from this submenu before "
    "attempting to add any new items.";
const char* const kTooManySubMenus =
    "Error:  Too many submenus.  Delete one or more before attempting to add a new SubMenu.";

struct EditorTest : ::testing::Test {
  std::unique_ptr<MacroData> data = std::make_unique<MacroData>();
  FakeEditorControls controls;
  ScriptedMessageBoxes messages;
  RecordingShell help;
  SubMenuEditor editor{*data, controls, messages, help};

  // Every message a test causes is one it checks.
  void TearDown() override { EXPECT_THAT(messages.Take(), IsEmpty()); }

  void AddSubMenu(const std::string& name, const std::vector<TestItem>& items = {}) {
    DocumentBuilder().SubMenu(name, items).AddTo(*data);
  }
  void Open() { EXPECT_TRUE(editor.OnInitDialog()); }

  // A person's actions, with the notifications each raises in the dialog.
  void ClickSubMenu(int index) {
    controls.SetCurSel(EditorList::SubMenus, index);
    editor.OnSelchangeSubMenuList();
  }
  void ClickItem(int index) {
    controls.SetCurSel(EditorList::Items, index);
    editor.OnSelchangeItemList();
  }
  void ClickChain() {
    controls.checked = !controls.checked;
    editor.OnChainCheck();
  }
  // A notification per keystroke; Enter (in the item text) gives "\r\n".
  // Retype types over the whole text, selected.
  void Type(EditorBox box, const std::string& keys) {
    for (char c : keys) {
      controls.Box(box) += c == '\n' ? std::string("\r\n") : std::string(1, c);
      if (box == EditorBox::SubMenuName) editor.OnChangeSubMenuName();
      if (box == EditorBox::ItemName) editor.OnChangeItemName();
      if (box == EditorBox::ItemText) editor.OnChangeItemText();
    }
  }
  void Retype(EditorBox box, const std::string& keys) {
    controls.Box(box).clear();
    Type(box, keys);
  }
  std::string ItemName(int s, int j) const { return data->strSubMenuItemName[ItemSlot(s, j)]; }

  // Submenu s as stored, its count and then `slots` slots from the first:
  // "Keys(2) Enter:[enter]> Tab:[tab]" (">" marks a chain flag).
  std::string Stored(int s, int slots) const {
    std::string out =
        data->strSubMenuName[s] + "(" + std::to_string(data->nNumSubMenuItems[s]) + ")";
    for (int k = ItemSlot(s, 0); k < ItemSlot(s, slots); ++k) {
      out += " " + data->strSubMenuItemName[k] + ":" + data->strSubMenuItemText[k] +
             (data->bChainToNext[k] ? ">" : "");
    }
    return out;
  }

  // The action shows its message and leaves the content and both lists as
  // they were.
  void ExpectRefused(const std::function<void()>& act, const char* message, unsigned type = kInfo) {
    const MacroData before = *data;
    const auto lists = controls.lists;
    act();
    EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{message, type}));
    EXPECT_TRUE(*data == before);
    EXPECT_EQ(controls.lists, lists);
  }

  void RunCommand(CZorvakDoc& doc, int endCode, const std::function<void()>& actions) {
    EditSubMenus(doc, [&](MacroData& workingCopy) {
      *data = workingCopy;
      Open();
      actions();
      workingCopy = *data;
      return endCode;
    });
  }
};

TEST_F(EditorTest, OpeningShowsTheFirstEntriesChoosingShowsTheirsAndTypingChangesThem) {
  controls.checked = true;
  Open();
  EXPECT_EQ(controls.Shown(), " /  / || / off");

  AddSubMenu("Keys", {{"Enter", "[enter]", 7}, {"Tab", "[tab]", 0}});
  AddSubMenu("Text", {{"Hi", "Hi there", 0}, {"Bye", "Bye", 1}});
  AddSubMenu("Empty");
  Open();
  EXPECT_EQ(controls.Shown(), "Keys*,Text,Empty / Enter*,Tab / Keys|Enter|[enter] / on")
      << "any nonzero flag is set";
  ClickSubMenu(1);
  EXPECT_EQ(controls.Shown(), "Keys,Text*,Empty / Hi*,Bye / Text|Hi|Hi there / off");
  ClickItem(1);
  EXPECT_EQ(controls.Shown(), "Keys,Text*,Empty / Hi,Bye* / Text|Bye|Bye / on");
  // A submenu without items empties the text box only.
  ClickSubMenu(2);
  EXPECT_EQ(controls.Shown(), "Keys,Text,Empty* /  / Empty|Bye| / on");

  // Names (in any script) rename their list entry at every keystroke; a text over several
  // lines is stored as typed; the check box stores the selected item's flag.
  ClickSubMenu(0);
  ClickItem(1);
  Retype(EditorBox::SubMenuName, "Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642");
  Retype(EditorBox::ItemName, "Tabulator");
  Retype(EditorBox::ItemText, "Line one\nLine two\n%d");
  ClickChain();
  EXPECT_EQ(controls.Shown(),
            "Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642*,Text,Empty / Enter,Tabulator* / Zo\u00EB "
            "\u4E2D\u6587 \u0416 \U0001F642|Tabulator|Line one\r\nLine two\r\n%d / on");
  EXPECT_EQ(Stored(0, 2),
            "Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642(2) Enter:[enter]> Tabulator:Line one\r\nLine "
            "two\r\n%d>");
  ClickChain();
  EXPECT_EQ(Stored(0, 2),
            "Zo\u00EB \u4E2D\u6587 \u0416 \U0001F642(2) Enter:[enter]> Tabulator:Line one\r\nLine "
            "two\r\n%d");

  editor.OnHelpButton();
  EXPECT_THAT(help.opened, ElementsAre("EditSubMenuHelp.html"));
}

// New Item and New Sub append, select and reuse what their slot held
// (leftovers of a larger document loaded earlier); a new item starts
// unchained.
TEST_F(EditorTest, NewItemAndNewSubAppendSelectAndReuseTheSlotsContent) {
  AddSubMenu("Kept", {{"A", "a", 1}});
  AddSubMenu("Old", {{"OldItem", "old text", 1}});
  data->nNumSubMenus = 1;
  data->strSubMenuItemText[ItemSlot(0, 1)] = "left over";
  data->bChainToNext[ItemSlot(0, 1)] = 1;
  Open();
  editor.OnNewItem();
  EXPECT_EQ(controls.Shown(), "Kept* / A,NewItem* / Kept|NewItem|left over / off");

  editor.OnNewSub();
  EXPECT_EQ(controls.Shown(), "Kept,NewSub* / OldItem* / NewSub|OldItem|old text / on");
}

// The refusal of a 49th item clears the check box and the next slot's
// flag, nothing else.
TEST_F(EditorTest, The49thSubMenuAndThe48thItemAreTheLast) {
  DocumentBuilder().NumberedSubMenus(47).AddTo(*data);
  AddSubMenu("Full", NumberedItems(47));
  data->bChainToNext[ItemSlot(47, 48)] = 1;  // a leftover past the count
  Open();
  ClickSubMenu(47);
  editor.OnNewItem();
  ClickItem(5);
  ClickChain();
  MacroData expected = *data;
  expected.bChainToNext[ItemSlot(47, 48)] = 0;
  editor.OnNewItem();
  EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{kTooManyItems, kInfo}));
  EXPECT_TRUE(*data == expected);
  EXPECT_FALSE(controls.checked);

  editor.OnNewSub();
  EXPECT_EQ(data->nNumSubMenus, 49);
  ExpectRefused([&] { editor.OnNewSub(); }, kTooManySubMenus);
}

TEST_F(EditorTest, EditsWithNothingSelectedAreRefused) {
  Open();
  ExpectRefused([&] { Type(EditorBox::SubMenuName, "x"); },
                "You must first create a new SubMenu entry by pressing the New Sub button.");
  ExpectRefused([&] { Type(EditorBox::ItemName, "x"); },
                "Error:  You must select a SubMenu in the SubMenu List Box",
                MB::kOk | MB::kIconExclamation);
  ExpectRefused(
      [&] { editor.OnDeleteSub(); },
      "Error:  You must first select the SubMenu you wish to delete in the SubMenu list box.");

  AddSubMenu("Keys", {{"A", "a"}});
  AddSubMenu("Empty");
  Open();
  ClickSubMenu(1);
  ExpectRefused([&] { Type(EditorBox::ItemText, "x"); },
                "You must select a SubMenu and a SubMenu Item.");
  ExpectRefused([&] { ClickChain(); },
                "Please select items in both the SubMenu and SubMenu Item list boxes above before "
                "clicking this control.");
  EXPECT_TRUE(controls.checked) << "the box stays as the click left it";
  ExpectRefused(
      [&] { editor.OnDeleteItem(); },
      "Error:  You must first select the Item you wish to delete in the SubMenu Item list box.");
}

// Deleting moves the later entries into the gap with everything they hold,
// leaves nothing selected in the list it changed and the boxes as they
// were; a name typed with no item selected then makes a new item.
TEST_F(EditorTest, DeletingMovesTheLaterEntriesIntoTheGapAndTypingANameThenAddsAnItem) {
  AddSubMenu("Zero", {{"A", "a", 1}, {"B", "b", 0}, {"C", "c", 1}});
  AddSubMenu("One", {{"O1", "o1", 1}, {"O2", "o2"}});
  AddSubMenu("Two", {{"T1", "t1", 0}, {"T2", "t2\r\nmore", 1}, {"T3", "t3", 1}});
  Open();
  editor.OnDeleteItem();
  EXPECT_EQ(Stored(0, 3), "Zero(2) B:b C:c> :") << "blank slots stay blank";
  EXPECT_EQ(controls.Shown(), "Zero*,One,Two / B,C / Zero|A|a / on");

  ClickSubMenu(1);
  editor.OnDeleteSub();
  EXPECT_EQ(Stored(1, 4), "Two(3) T1:t1 T2:t2\r\nmore> T3:t3> :");
  EXPECT_EQ(controls.Shown(), "Zero,Two /  / One|O1|o1 / on");

  ClickSubMenu(0);
  editor.OnDeleteItem();
  Type(EditorBox::ItemName, "Z");
  EXPECT_EQ(controls.Shown(), "Zero*,Two / C,NewItem* / Zero|NewItem| / off")
      << "the typed character is replaced";
}

// Data a file may bring beyond the editor's limits: negative counts show
// nothing and adding repairs them; 50 submenus of 50 items get nothing
// added and no slot outside the capacity is touched, even when the item
// list cannot say its count; deleting keeps the last slots' content.
TEST_F(EditorTest, DataBeyondTheEditorsLimitsGetsNothingAddedAndStaysWithinTheCapacity) {
  AddSubMenu("Hidden", {{"H", "h"}});
  data->nNumSubMenus = -4;
  data->nNumSubMenuItems[0] = -2;
  Open();
  editor.OnNewSub();
  EXPECT_EQ(controls.Shown(), "NewSub* /  / NewSub|| / off");
  editor.OnNewItem();
  EXPECT_EQ(Stored(0, 1), "NewSub(1) NewItem:h");

  data->ClearAll();
  DocumentBuilder().NumberedSubMenus(kMaxSubMenus, NumberedItems(kMaxItems)).AddTo(*data);
  data->bChainToNext[ItemSlot(1, 0)] = 1;   // right after the full submenu 0
  data->bChainToNext[ItemSlot(0, 49)] = 1;  // right before submenu 1
  data->strSubMenuItemName[ItemSlot(49, 49)] = "last";
  Open();
  ExpectRefused([&] { editor.OnNewSub(); }, kTooManySubMenus);
  ExpectRefused([&] { editor.OnNewItem(); }, kTooManyItems);
  ClickSubMenu(1);
  controls.fail_item_count = true;
  ExpectRefused([&] { editor.OnNewItem(); }, kTooManyItems);

  ClickSubMenu(49);
  ClickItem(0);
  editor.OnDeleteItem();
  EXPECT_EQ(ItemName(49, 0) + " " + ItemName(49, 48) + " " + ItemName(49, 49), "I1 last last");
  ClickSubMenu(10);
  editor.OnDeleteSub();
  EXPECT_EQ(data->strSubMenuName[10] + " " + data->strSubMenuName[49], "S11 S49");
  EXPECT_EQ(ItemName(48, 48) + " " + ItemName(48, 49) + " " + ItemName(49, 49), "last last last");
}

using EditSubMenusCommand = EditorTest;

// The dialog edits a copy of every slot; only OK writes it back, and marks
// the document modified, changed or not.
TEST_F(EditSubMenusCommand, OnlyOkWritesTheWholeWorkingCopyBack) {
  const auto doc = std::make_unique<CZorvakDoc>();
  DocumentBuilder().SubMenu("Keys", {{"Enter", "[enter]", 7}}).AddTo(*doc);
  doc->strSubMenuName[3] = "old";  // a leftover beyond the counts
  MacroData before = *doc;
  const auto rename = [&] { Retype(EditorBox::SubMenuName, "Renamed"); };
  for (int endCode : {2, -1}) {  // Cancel, a dialog that could not be made
    RunCommand(*doc, endCode, rename);
    EXPECT_TRUE(static_cast<const MacroData&>(*doc) == before) << endCode;
    EXPECT_FALSE(doc->IsModified()) << endCode;
  }
  RunCommand(*doc, kDialogOk, [] {});
  EXPECT_TRUE(doc->IsModified());
  RunCommand(*doc, kDialogOk, rename);
  before.strSubMenuName[0] = "Renamed";
  EXPECT_TRUE(static_cast<const MacroData&>(*doc) == before)
      << "the chain flag 7 and leftovers survive";
}

}  // namespace
