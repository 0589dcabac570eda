// The tray menu's own Open: the save-changes question first, then the file
// in place of the document, named after it with its extension. (What a
// file that cannot be read leaves is shown with File > Open's.)

#include "document_fixture.h"

namespace {

const std::string kTwo = "C:\\Work\\two.zvk";
const std::string kThree = "C:\\Work\\three.zvk";
const DocumentBuilder kTwoContent =
    DocumentBuilder().SubMenu("TopLevel", {{"Enter", "[tab]"}, {"Tab", "[tab]"}}).SubMenu("Help");

class TrayOpenTest : public DocumentCommandsTest {
 protected:
  // A saved document of three submenus, then edited.
  void SetUp() override {
    DocumentCommandsTest::SetUp();
    fs.files[kThree] = DocumentBuilder().SubMenu("S0", {{"a0", "t"}, {"b0", "t"}}).SubMenu("S1").SubMenu("S2").FileBytes();
    fs.files[kTwo] = kTwoContent.FileBytes();
    ASSERT_TRUE(commands.OpenDocumentFile("three.zvk"));
    doc.SetModifiedFlag(true);
    titleChanges = viewUpdates = 0;
  }
};

TEST_F(TrayOpenTest, AsksFirstThenTheFileReplacesTheDocumentAndSaveWritesTheFileTheCaptionNames) {
  const Bytes threeBefore = fs.files[kThree];
  const auto edited = std::make_unique<MacroData>(doc);
  // Cancel in the dialog asks nothing; Cancel at the question keeps all.
  dialogs.answers = {std::nullopt, std::string("two.zvk"), std::string("two.zvk")};
  messages.answers = {MB::IdCancel, MB::IdNo};
  commands.OnTrayFileOpen();
  EXPECT_TRUE(messages.shown.empty());
  commands.OnTrayFileOpen();
  EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{"Save changes to three?", MB::YesNoCancel | MB::IconExclamation}));
  EXPECT_TRUE(static_cast<const MacroData&>(doc) == *edited);
  EXPECT_EQ(doc.GetTitle(), "three");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(titleChanges, 0);

  // No: the file is the document now, nothing of the earlier one left in
  // any slot, and it is not modified.
  commands.OnTrayFileOpen();
  EXPECT_EQ(messages.Take().size(), 1u);
  EXPECT_EQ(dialogs.requests.back().owner, FileDialogRequest::Owner::view);
  EXPECT_EQ(dialogs.requests.back().flags, 6u);
  EXPECT_TRUE(static_cast<const MacroData&>(doc) == *kTwoContent.Build());
  EXPECT_EQ(doc.GetTitle(), "two.zvk") << "the file's name with its extension";
  EXPECT_EQ(titleChanges, 1);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_THAT(RecentEntries(), ElementsAre(kThree)) << "the recent files are left alone";
  EXPECT_EQ(fs.openFiles, 0);

  // Save writes the file the caption names, never the one opened before.
  EditDocument();
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(fs.files[kThree], threeBefore);
  EXPECT_EQ(fs.files[kTwo], SavedForm());
}

}  // namespace
