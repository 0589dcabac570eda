// The document commands on the real Windows file layer: saving through a
// temporary file, a refused replacement, sharing while loading.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/zorvak_doc.h"
#include "documents/document_commands.h"
#include "storage/exceptions.h"
#include "storage/file_system_win32.h"
#include "support/scripted_ports.h"
#include "support/test_bytes.h"

namespace {

using ::testing::ElementsAre;
namespace fs = std::filesystem;

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(folder); }
  void TearDown() override {
    for (const std::string& name : Contents()) SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder);
  }
  std::vector<std::string> Contents() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
  }
  static Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  void Edit(const char* name) {
    doc.nNumSubMenus = 1;
    doc.strSubMenuName[0] = name;
    doc.SetModifiedFlag(true);
  }

  const std::string folder = (fs::temp_directory_path() / ("zvk_files_test_" + std::to_string(GetCurrentProcessId()))).string();
  ScriptedMessageBoxes messages;
  CZorvakDoc doc;
  CRecentFileList recent;
  Win32FileSystem files;
  ScriptedFileDialogs dialogs;
  DocumentCommands commands{doc, recent, files, dialogs, messages};
};

TEST_F(Win32FilesTest, SaveReplacesTheFileAndARefusedReplacementKeepsIt) {
  const std::string path = folder + "\\macros.zvk";
  ASSERT_TRUE(commands.ProcessShellCommand({}));
  Edit("First");
  dialogs.answers = {path};
  ASSERT_TRUE(commands.OnFileSaveAs());
  Edit("Second");
  ASSERT_TRUE(commands.OnFileSave());
  EXPECT_EQ(Read(path).size(), 16u + 4 + 7);
  EXPECT_THAT(Contents(), ElementsAre("macros.zvk")) << "no temporary file left";

  // A read-only file is not replaced: the message names it and it stays.
  const Bytes second = Read(path);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  Edit("Third");
  EXPECT_FALSE(commands.OnFileSave());
  EXPECT_THAT(messages.Texts(), ElementsAre("Access to " + path + " was denied."));
  EXPECT_EQ(Read(path), second);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_THAT(Contents(), ElementsAre("macros.zvk"));
}

TEST_F(Win32FilesTest, FailuresCarryTheirCauseAndThePath) {
  const std::string path = folder + "\\open.zvk";
  const auto causeOf = [](auto action) { return CauseOf<CFileException>(action); };
  EXPECT_EQ(causeOf([&] { files.OpenForReading(path); }), CFileException::fileNotFound);
  EXPECT_EQ(causeOf([&] { files.CreateForWriting(folder + "\\no\\such.zvk"); }), CFileException::badPath);
  files.CreateForWriting(path)->Close();
  // While a file is being read nobody may write it.
  const auto reading = files.OpenForReading(path);
  EXPECT_EQ(causeOf([&] { files.CreateForWriting(path); }), CFileException::sharingViolation);
}

}  // namespace
