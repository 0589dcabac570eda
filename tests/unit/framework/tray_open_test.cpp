// The tray menu's own Open: no question, nothing reset, failures shown
// with the stop icon.

#include "document_fixture.h"

namespace {

using ::testing::ElementsAre;

const std::string kTwo = "C:\\Work\\two.zvk";
const Bytes kTwoBytes = MacroFile({{"TopLevel", {"Enter", "Tab"}}, {"Help", {}}});

class TrayOpenTest : public DocumentCommandsTest {
 protected:
  // A saved document of three submenus, then edited.
  void SetUp() override {
    DocumentCommandsTest::SetUp();
    fs.files["C:\\Work\\three.zvk"] = MacroFile({{"S0", {"a0", "b0"}}, {"S1", {"a1"}}, {"S2", {"a2"}}});
    ASSERT_TRUE(commands.OpenDocumentFile("three.zvk"));
    doc.SetModifiedFlag(true);
    titleChanges = viewUpdates = 0;
  }
  void TrayOpen(const std::string& typed) {
    dialogs.answers = {typed};
    commands.OnTrayFileOpen();
  }
};

TEST_F(TrayOpenTest, LoadsOverAModifiedDocumentWithoutAQuestion) {
  fs.files[kTwo] = kTwoBytes;
  TrayOpen("two.zvk");
  EXPECT_TRUE(messages.shown.empty());

  const FileDialogRequest& request = dialogs.requests.back();
  EXPECT_EQ(request.kind, FileDialogRequest::Kind::open);
  EXPECT_EQ(request.owner, FileDialogRequest::Owner::view);
  EXPECT_EQ(request.title, "") << "the system's own title";
  EXPECT_EQ(request.flags, 6u);
  EXPECT_EQ(request.defaultExtension, "zvk");
  EXPECT_EQ(request.initialFileName, "");

  EXPECT_EQ(doc.nNumSubMenus, 2);
  EXPECT_EQ(doc.strSubMenuName[0], "TopLevel");
  EXPECT_EQ(doc.strSubMenuName[2], "S2") << "nothing is cleared first";
  EXPECT_EQ(doc.GetTitle(), "two.zvk") << "the file's name with its extension";
  EXPECT_EQ(titleChanges, 1);
  EXPECT_TRUE(doc.IsModified()) << "the flag is left as it was";
  EXPECT_EQ(recent.GetSize(), 1) << "the recent files are left alone";
  EXPECT_EQ(viewUpdates, 0);
  EXPECT_EQ(fs.openFiles, 0);

  // Cancel in the dialog ends the command.
  dialogs.answers = {std::nullopt};
  commands.OnTrayFileOpen();
  EXPECT_EQ(doc.GetTitle(), "two.zvk");
}

TEST_F(TrayOpenTest, ALaterSaveWritesTheFileTheCaptionNames) {
  const Bytes threeBefore = fs.files["C:\\Work\\three.zvk"];
  fs.files[kTwo] = kTwoBytes;
  TrayOpen(kTwo);
  doc.strSubMenuName[1] = "Changed";
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(fs.files["C:\\Work\\three.zvk"], threeBefore);
  EXPECT_EQ(fs.files[kTwo], SavedForm());
  EXPECT_EQ(doc.GetPathName(), kTwo);
}

TEST_F(TrayOpenTest, FailuresAreShownWithTheStopIconAndChangeNoNames) {
  Bytes truncated = kTwoBytes;
  truncated.resize(45);  // ends where the second item would begin
  fs.files["C:\\Work\\short.zvk"] = truncated;
  fs.files["C:\\Work\\v2.zvk"] = MacroFile({{"New", {}}}, 2);

  TrayOpen("missing.zvk");
  TrayOpen("v2.zvk");
  EXPECT_EQ(doc.strSubMenuName[0], "S0") << "a rejected version changes nothing";
  TrayOpen("short.zvk");

  EXPECT_THAT(messages.Texts(),
              ElementsAre("C:\\Work\\missing.zvk was not found.", VersionTooNewMessage(),
                          "An unknown error occurred while accessing an unnamed file.",
                          "An attempt was made to access an unnamed file past its end."));
  EXPECT_EQ(messages.shown[0].type, MB::IconStop);
  EXPECT_EQ(messages.shown[2].type, MB::IconStop);
  EXPECT_EQ(messages.shown[3].type, MB::IconStop);

  // What was read before the end is in the document; the rest is old.
  EXPECT_EQ(doc.nNumSubMenus, 2);
  EXPECT_EQ(doc.nNumSubMenuItems[0], 2);
  EXPECT_EQ(doc.strSubMenuName[0], "TopLevel");
  EXPECT_EQ(doc.strSubMenuItemName[0], "Enter");
  EXPECT_EQ(doc.strSubMenuItemName[1], "b0");
  EXPECT_EQ(doc.strSubMenuName[1], "S1");

  EXPECT_EQ(doc.GetTitle(), "three");
  EXPECT_EQ(doc.GetPathName(), "C:\\Work\\three.zvk");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(fs.openFiles, 0);
}

}  // namespace
