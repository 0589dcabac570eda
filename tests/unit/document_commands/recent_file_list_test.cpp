// The small rules around documents: the recent-file list in the settings
// and the File menu, the name Save As proposes, a path's parts and the
// shell's open command.

#include "document_commands/recent_file_list.h"

#include <tuple>

#include <gmock/gmock.h>

#include "document_commands/document_commands.h"
#include "document_commands/path_abbreviation.h"
#include "document_commands/shell_registration.h"
#include "storage/file_path.h"
#include "support/fake_file_system.h"
#include "support/scripted_ports.h"

namespace {

using ::testing::ElementsAre;

// Read at start without empty or repeated entries nor those beyond the
// list's size; written back without the removed ones; shown numbered and
// shortened (the fake file system shows names without their extension).
TEST(RecentFileList, IsReadAtStartWrittenBackWithoutRemovedEntriesAndShownShortened) {
  MemoryProfile profile;
  const auto value = [&](const char* entry) -> std::string& {
    return profile.values[{"Recent File List", entry}];
  };
  const char* stored[] = {"C:\\one.zvk", "", "C:\\three.zvk", "C:\\ONE.zvk", "C:\\five.zvk"};
  for (int i = 0; i < 5; ++i) value(("File" + std::to_string(i + 1)).c_str()) = stored[i];
  CRecentFileList list;
  FakeFileSystem fs;
  list.ReadList(profile);
  EXPECT_THAT(list.MenuTexts(fs), ElementsAre("&1 C:\\one", "&2 C:\\three"));
  for (const char* path : {"C:\\new.zvk", "C:\\newer.zvk"}) list.Add(path);
  list.Remove("C:\\three.zvk");
  list.WriteList(profile);
  EXPECT_EQ(value("File1") + value("File2") + value("File3"),
            "C:\\newer.zvkC:\\new.zvkC:\\one.zvk");
  EXPECT_EQ(profile.values.count({"Recent File List", "File4"}), 0u)
      << "a removed entry must not come back";
  list.Add("C:\\Users\\someone\\Documents\\Macros\\work & play.zvk");
  list.Add("C:\\Work\\two.zvk");
  EXPECT_THAT(list.MenuTexts(fs),
              ElementsAre("&1 C:\\Work\\two", "&2 C:\\...\\Macros\\work && play", "&3 C:\\newer",
                          "&4 C:\\new"));
  // Only the name fits, or not even that: the name alone.
  const std::tuple<const char*, std::size_t, const char*> rows[] = {
      {"\\\\server\\share\\folder\\sub\\deeper\\file.zvk", 30, "\\\\server\\share\\...\\file.zvk"},
      {"C:\\a_rather_long_folder_name\\some_file_name.zvk", 20, "some_file_name.zvk"},
      {"C:\\x\\an_extremely_long_file_name_indeed.zvk", 30,
       "an_extremely_long_file_name_indeed.zvk"},
      // Characters count, not bytes: 30 characters in 50 bytes fit.
      {"C:\\\u0416\u0416\u0416\\\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587 "
       "\u00E9\u00E9\u00E9.zvk",
       23,
       "C:\\\u0416\u0416\u0416\\\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587 "
       "\u00E9\u00E9\u00E9.zvk"},
  };
  for (const auto& [path, length, shown] : rows)
    EXPECT_EQ(AbbreviatePath(path, length), shown) << path;
}

TEST(DocumentNames, SaveAsProposalPathPartsAndTheShellsOpenCommand) {
  EXPECT_EQ(ProposedSaveName("", "ab;c d"), "ab.zvk") << "cut at the first unfit character";
  // The folder keeps the root's separator, so that the right folder is meant.
  const std::pair<const char*, const char*> folders[] = {{"/opt/zvk/zorvakomat.exe", "/opt/zvk"},
                                                         {"C:\\a.zvk", "C:\\"},
                                                         {"a.zvk", "."},
                                                         {"C:a.zvk", "C:"}};
  for (const auto& [path, folder] : folders) EXPECT_EQ(FolderOf(path), folder) << path;
  EXPECT_EQ(FileNameOf("C:a.zvk") + FileNameOf("C:\\Work\\b.zvk") + FileNameOf("c"), "a.zvkb.zvkc");

  // Where no short name exists the long path must still survive the blank.
  EXPECT_EQ(ShellOpenCommand("C:\\PROGRA~1\\ZORVAK~1.EXE"), "C:\\PROGRA~1\\ZORVAK~1.EXE \"%1\"");
  EXPECT_EQ(ShellOpenCommand("C:\\Program Files\\Zorvakomat\\zorvakomat.exe"),
            "\"C:\\Program Files\\Zorvakomat\\zorvakomat.exe\" \"%1\"");
  // The extension is claimed unless another program's type holds it.
  for (const char* type : {"", "Zorvakomat.Document"})
    EXPECT_TRUE(ShouldClaimExtension(std::string(type)));
  EXPECT_TRUE(ShouldClaimExtension(std::nullopt));
  EXPECT_FALSE(ShouldClaimExtension(std::string("Other.Document")));
}

}  // namespace
