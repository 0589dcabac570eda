// The Edit SubMenus command around the dialog: copy-in, OK and Cancel, and
// a whole editing session as a person does it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "document/zorvak_doc.h"
#include "editor/edit_submenus_command.h"
#include "editor_fixture.h"

using ::testing::IsEmpty;

namespace {

constexpr int kDialogCancel = 2;
constexpr int kDialogFailed = -1;

struct EditSubMenusCommand : ::testing::Test {
  std::unique_ptr<CZorvakDoc> doc = std::make_unique<CZorvakDoc>();

  void SetUp() override {
    doc->OnNewDocument();
    DocumentBuilder().SubMenu("Keys", {{"Enter", "[enter]", 7}}).AddTo(*doc);
    // A leftover beyond the counts.
    doc->strSubMenuName[3] = "old";
    doc->strSubMenuItemText[ItemSlot(3, 2)] = "old text";
  }

  // Runs the command with a dialog in which `actions` is done, ended by
  // the given code.
  template <typename Actions>
  void Run(int endCode, Actions actions) {
    EditSubMenus(*doc, [&](MacroData& workingCopy) {
      FakeEditorControls controls;
      ScriptedMessageBoxes messages;
      RecordingShell help;
      SubMenuEditor editor(workingCopy, controls, messages, help);
      EditorUser user(controls, editor);
      editor.OnInitDialog();
      actions(editor, user);
      EXPECT_THAT(messages.shown, IsEmpty());
      return endCode;
    });
  }
};

MacroData Content(const CZorvakDoc& doc) { return static_cast<const MacroData&>(doc); }

void RenameAndDelete(SubMenuEditor& editor, EditorUser& user) {
  user.Retype(EditorBox::SubMenuName, "Renamed");
  editor.OnNewSub();
  editor.OnDeleteSub();
  user.ClickSubMenu(0);
  editor.OnDeleteItem();
}

TEST_F(EditSubMenusCommand, CancelOrAFailedDialogChangesNothing) {
  const MacroData before = Content(*doc);
  for (int endCode : {kDialogCancel, kDialogFailed}) {
    Run(endCode, RenameAndDelete);
    EXPECT_TRUE(SameContent(Content(*doc), before)) << endCode;
    EXPECT_FALSE(doc->IsModified()) << endCode;
  }
}

TEST_F(EditSubMenusCommand, OkWithoutChangesStillMarksTheDocumentModified) {
  const MacroData before = Content(*doc);
  Run(kDialogOk, [](SubMenuEditor&, EditorUser&) {});
  EXPECT_TRUE(doc->IsModified());
  EXPECT_TRUE(SameContent(Content(*doc), before)) << "the chain flag 7 and leftovers survive";
}

// A person builds a document from nothing: a submenu renamed, three items,
// one text over two lines, a chain, and one item deleted in the middle.
TEST_F(EditSubMenusCommand, BuildingAMacroDocumentFromNothing) {
  doc->OnNewDocument();
  Run(kDialogOk, [](SubMenuEditor& editor, EditorUser& user) {
    editor.OnNewSub();
    user.Retype(EditorBox::SubMenuName, "Letters");
    for (const char* name : {"Greeting", "Middle", "Farewell"}) {
      editor.OnNewItem();
      user.Retype(EditorBox::ItemName, name);
    }
    user.ClickItem(0);
    user.Type(EditorBox::ItemText, "Dear Sir,\nThank you.");
    user.ClickChain();
    user.ClickItem(2);
    user.Type(EditorBox::ItemText, "[enter]");
    user.ClickItem(1);
    editor.OnDeleteItem();
    editor.OnNewSub();
    user.Retype(EditorBox::SubMenuName, "TopLevel");
  });
  const auto expected = DocumentBuilder()
                            .SubMenu("Letters", {{"Greeting", "Dear Sir,\r\nThank you.", 1}, {"Farewell", "[enter]"}})
                            .SubMenu("TopLevel")
                            .Build();
  EXPECT_TRUE(SameContent(Content(*doc), *expected));
  EXPECT_TRUE(doc->IsModified());
}

}  // namespace
