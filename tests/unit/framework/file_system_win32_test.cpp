// The document commands on the real Windows file layer: saving through a
// temporary file, a refused replacement, sharing while loading.

#include <windows.h>

#include "document/zorvak_doc.h"
#include "document_test_ports.h"
#include "framework/document_commands.h"
#include "framework/exceptions.h"
#include "framework/file_system_win32.h"
#include "framework/handle_file_win32.h"
#include "test_bytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    folder = std::string(temp) + "zvk_files_test_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    commands.SetTitleChangedHandler([] {});
  }
  void TearDown() override {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::string path = folder + "\\" + found.cFileName;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  static Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  std::string folder;
  ScriptedMessageBoxes messages;
  CZorvakDoc doc{messages};
  CRecentFileList recent;
  Win32FileSystem files;
  ScriptedFileDialogs dialogs;
  DocumentCommands commands{doc, recent, files, dialogs, messages};
};

TEST_F(Win32FilesTest, SaveReplacesTheFileAndARefusedReplacementKeepsIt) {
  const std::string path = folder + "\\macros.zvk";
  ASSERT_TRUE(commands.ProcessShellCommand({}));
  doc.nNumSubMenus = 1;
  doc.strSubMenuName[0] = "First";
  dialogs.answers = {path};
  ASSERT_TRUE(commands.OnFileSaveAs());
  const Bytes first = Read(path);
  EXPECT_EQ(first.size(), 16u + 4 + 6);

  doc.strSubMenuName[0] = "Second";
  doc.SetModifiedFlag(true);
  ASSERT_TRUE(commands.OnFileSave());
  EXPECT_EQ(Read(path).size(), first.size() + 1);
  EXPECT_THAT(FolderContents(), ::testing::ElementsAre("macros.zvk")) << "no temporary file left";

  // A read-only file is not replaced: the message names it and it stays.
  const Bytes second = Read(path);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  doc.strSubMenuName[0] = "Third";
  doc.SetModifiedFlag(true);
  EXPECT_FALSE(commands.OnFileSave());
  EXPECT_THAT(messages.Texts(), ::testing::ElementsAre("Access to " + path + " was denied."));
  EXPECT_EQ(Read(path), second);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_THAT(FolderContents(), ::testing::ElementsAre("macros.zvk"));

  // And it opens again as it was.
  messages.answers = {MB::IdNo};
  ASSERT_TRUE(commands.OpenDocumentFile(path));
  EXPECT_EQ(doc.strSubMenuName[0], "Second");
}

TEST_F(Win32FilesTest, FailuresCarryTheirCauseAndThePath) {
  const std::string path = folder + "\\open.zvk";
  try {
    files.OpenForReading(path);
    FAIL() << "opened a missing file";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e.m_strFileName, path);
  }
  files.CreateForWriting(path)->Close();
  // While a file is being read nobody may write it.
  const auto reading = files.OpenForReading(path);
  try {
    files.CreateForWriting(path);
    FAIL() << "wrote a file that is being read";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
  }
  EXPECT_EQ(FileCauseFromOsError(ERROR_PATH_NOT_FOUND), CFileException::badPath);
  EXPECT_EQ(FileCauseFromOsError(ERROR_DISK_FULL), CFileException::diskFull);
  EXPECT_EQ(files.FullPath(path), path);
  EXPECT_EQ(files.FileTitle(path).rfind("open", 0), 0u);
}

}  // namespace
