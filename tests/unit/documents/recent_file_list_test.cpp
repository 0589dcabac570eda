// The small rules around documents: the recent-file list in the settings
// and the File menu, the name Save As proposes, a path's parts and the
// shell's open command.

#include "documents/recent_file_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "documents/document_commands.h"
#include "documents/path_abbreviation.h"
#include "documents/shell_registration.h"
#include "storage/file_path.h"
#include "support/fake_file_system.h"
#include "support/scripted_ports.h"

namespace {

using ::testing::ElementsAre;

std::vector<std::string> Entries(const CRecentFileList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.GetSize(); ++i) out.push_back(list[i]);
  return out;
}

TEST(RecentFileList, IsReadAtStartAndWrittenBackWithoutRemovedEntries) {
  MemoryProfile profile;
  const std::string section = "Recent File List";
  profile.values[{section, "File1"}] = "C:\\one.zvk";
  profile.values[{section, "File2"}] = "";
  profile.values[{section, "File3"}] = "C:\\three.zvk";
  profile.values[{section, "File4"}] = "C:\\ONE.zvk";
  profile.values[{section, "File5"}] = "C:\\five.zvk";  // beyond the list's size

  CRecentFileList list;
  list.ReadList(profile);
  EXPECT_THAT(Entries(list), ElementsAre("C:\\one.zvk", "C:\\three.zvk"));
  list.Add("C:\\new.zvk");
  list.Add("C:\\newer.zvk");
  list.Remove("C:\\three.zvk");
  list.WriteList(profile);
  const auto value = [&](const char* entry) { return profile.values[{section, entry}]; };
  EXPECT_EQ(value("File1") + value("File2") + value("File3"), "C:\\newer.zvkC:\\new.zvkC:\\one.zvk");
  EXPECT_EQ(profile.values.count({section, "File4"}), 0u) << "a removed entry must not come back";
}

TEST(RecentFileList, MenuTextsAreNumberedAndShortened) {
  FakeFileSystem fs;  // shows file names without their extension
  CRecentFileList list;
  list.Add("C:\\Users\\someone\\Documents\\Macros\\work & play.zvk");
  list.Add("C:\\Work\\two.zvk");
  EXPECT_THAT(list.MenuTexts(fs), ElementsAre("&1 C:\\Work\\two", "&2 C:\\...\\Macros\\work && play"));
  EXPECT_EQ(AbbreviatePath("\\\\server\\share\\folder\\sub\\deeper\\file.zvk", 30), "\\\\server\\share\\...\\file.zvk");
  // Only the name fits, or not even that: the name alone.
  EXPECT_EQ(AbbreviatePath("C:\\a_rather_long_folder_name\\some_file_name.zvk", 20), "some_file_name.zvk");
  EXPECT_EQ(AbbreviatePath("C:\\x\\an_extremely_long_file_name_indeed.zvk", 30),
            "an_extremely_long_file_name_indeed.zvk");
}

TEST(DocumentNames, SaveAsProposalPathPartsAndTheShellsOpenCommand) {
  EXPECT_EQ(ProposedSaveName("", "Untitled"), "Untitled.zvk");
  EXPECT_EQ(ProposedSaveName("C:\\Work\\a b.zvk", "a b"), "C:\\Work\\a b.zvk");
  for (const char* title : {"ab cd", "ab#cd", "ab%cd", "ab;cd", "ab/cd", "ab\\cd", "ab;c d"}) {
    EXPECT_EQ(ProposedSaveName("", title), "ab.zvk") << title;
  }
  // The folder keeps the root's separator, so that the right folder is meant.
  EXPECT_EQ(FolderOf("C:\\Work\\a.zvk"), "C:\\Work");
  EXPECT_EQ(FolderOf("/opt/zvk/zorvakomat.exe"), "/opt/zvk");
  EXPECT_EQ(FolderOf("C:\\a.zvk"), "C:\\");
  EXPECT_EQ(FolderOf("\\\\server\\share\\a.zvk"), "\\\\server\\share");
  EXPECT_EQ(FolderOf("a.zvk"), ".");
  EXPECT_EQ(FolderOf("C:a.zvk"), "C:");
  EXPECT_EQ(FileNameOf("C:a.zvk") + FileNameOf("C:\\Work\\b.zvk") + FileNameOf("c"), "a.zvkb.zvkc");

  // Where no short name exists the long path must still survive the blank.
  EXPECT_EQ(ShellOpenCommand("C:\\PROGRA~1\\ZORVAK~1.EXE"), "C:\\PROGRA~1\\ZORVAK~1.EXE \"%1\"");
  EXPECT_EQ(ShellOpenCommand("C:\\Program Files\\Zorvakomat\\zorvakomat.exe"),
            "\"C:\\Program Files\\Zorvakomat\\zorvakomat.exe\" \"%1\"");
  EXPECT_TRUE(ShouldClaimExtension(std::nullopt));
  EXPECT_TRUE(ShouldClaimExtension(std::string()));
  EXPECT_TRUE(ShouldClaimExtension(std::string("Zorvakomat.Document")));
  EXPECT_FALSE(ShouldClaimExtension(std::string("Other.Document")));
}

}  // namespace
