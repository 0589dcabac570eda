// The recent-file list: its order, its place in the settings and its
// File menu texts.

#include "documents/recent_file_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/document_test_ports.h"
#include "support/fake_file_system.h"
#include "documents/path_abbreviation.h"
#include "documents/std_profile.h"

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
  EXPECT_EQ(LoadStdProfileSettings(profile, list).nPreviewPages, 0);
  EXPECT_THAT(Entries(list), ElementsAre("C:\\one.zvk", "C:\\three.zvk"));

  list.Add("C:\\new.zvk");
  list.Add("C:\\newer.zvk");
  list.Remove("C:\\three.zvk");
  SaveStdProfileSettings(profile, list);
  const auto value = [&](const char* entry) { return profile.values[{section, entry}]; };
  EXPECT_EQ(value("File1"), "C:\\newer.zvk");
  EXPECT_EQ(value("File2"), "C:\\new.zvk");
  EXPECT_EQ(value("File3"), "C:\\one.zvk");
  EXPECT_EQ(profile.values.count({section, "File4"}), 0u) << "a removed entry must not come back";

  CRecentFileList again;
  profile.values[{"Settings", "PreviewPages"}] = "3";
  EXPECT_EQ(LoadStdProfileSettings(profile, again).nPreviewPages, 3);
  EXPECT_EQ(Entries(again), Entries(list));
}

TEST(RecentFileList, MenuTextsAreNumberedAndShortened) {
  FakeFileSystem fs;  // shows file names without their extension
  CRecentFileList list;
  list.Add("C:\\Users\\someone\\Documents\\Macros\\work & play.zvk");
  list.Add("C:\\Work\\two.zvk");
  EXPECT_THAT(list.MenuTexts(fs), ElementsAre("&1 C:\\Work\\two", "&2 C:\\...\\Macros\\work && play"));
}

TEST(PathAbbreviation, DropsTheFoldersNearestTheRootFirst) {
  EXPECT_EQ(AbbreviatePath("C:\\Work\\two.zvk", 30), "C:\\Work\\two.zvk");
  EXPECT_EQ(AbbreviatePath("C:\\Program Files\\Zorvak\\Macros\\daily.zvk", 30),
            "C:\\...\\Zorvak\\Macros\\daily.zvk");
  EXPECT_EQ(AbbreviatePath("\\\\server\\share\\folder\\sub\\deeper\\file.zvk", 30),
            "\\\\server\\share\\...\\file.zvk");
  // Only the name fits, or not even that: the name alone.
  EXPECT_EQ(AbbreviatePath("C:\\a_rather_long_folder_name\\some_file_name.zvk", 20), "some_file_name.zvk");
  EXPECT_EQ(AbbreviatePath("C:\\x\\an_extremely_long_file_name_indeed.zvk", 30),
            "an_extremely_long_file_name_indeed.zvk");
}

}  // namespace
