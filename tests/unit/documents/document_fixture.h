#pragma once
// The document commands over a real macro document, a file system in
// memory and scripted answers from the user.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "document/zorvak_doc.h"
#include "support/document_test_ports.h"
#include "storage/archive.h"
#include "storage/mem_file.h"
#include "support/fake_file_system.h"
#include "documents/document_commands.h"
#include "documents/recent_file_list.h"
#include "support/test_bytes.h"

// One submenu of a file: its name and its items' names (each item's text
// is "[tab]", not chained).
using SubMenuSpec = std::pair<std::string, std::vector<std::string>>;

inline Bytes MacroFile(const std::vector<SubMenuSpec>& subMenus, std::int32_t version = 1) {
  Bytes out = Int32(version) + Int32(0) + Int32(0) + Int32(static_cast<std::int32_t>(subMenus.size()));
  for (const auto& [name, items] : subMenus) {
    out = out + Int32(static_cast<std::int32_t>(items.size())) + Counted(name);
    for (const auto& item : items) out = out + Counted(item) + Counted("[tab]") + Int32(0);
  }
  return out;
}

class DocumentCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    commands.SetTitleChangedHandler([this] { ++titleChanges; });
    commands.SetUpdateViewsHandler([this] { ++viewUpdates; });
    ASSERT_TRUE(commands.ProcessShellCommand({}));
    viewUpdates = 0;
    titleChanges = 0;
  }

  // What the Edit SubMenus dialog would leave: one submenu, modified.
  void EditDocument(const std::string& subMenuName = "Edited") {
    doc.nNumSubMenus = 1;
    doc.strSubMenuName[0] = subMenuName;
    doc.nNumSubMenuItems[0] = 1;
    doc.strSubMenuItemName[0] = "Hello";
    doc.strSubMenuItemText[0] = "hello there";
    doc.SetModifiedFlag(true);
  }

  // The bytes the document is saved as.
  Bytes SavedForm() {
    CMemFile file;
    CArchive ar(file, CArchive::store);
    doc.Serialize(ar);
    ar.Close();
    return file.Bytes();
  }

  // Opens each named file of C:\Work in turn, made with the given content.
  void OpenEach(std::initializer_list<const char*> names, const Bytes& content) {
    for (const char* name : names) {
      fs.files[std::string("C:\\Work\\") + name + ".zvk"] = content;
      ASSERT_TRUE(commands.OpenDocumentFile(std::string(name) + ".zvk"));
    }
  }

  std::vector<std::string> RecentEntries() const {
    std::vector<std::string> out;
    for (int i = 0; i < recent.GetSize(); ++i) out.push_back(recent[i]);
    return out;
  }

  bool IsEmptyUntitled() const {
    return doc.nNumSubMenus == 0 && doc.strSubMenuName[0].empty() && doc.GetTitle() == "Untitled" &&
           doc.GetPathName().empty() && !doc.IsModified();
  }

  ScriptedMessageBoxes messages;
  CZorvakDoc doc;
  CRecentFileList recent;
  FakeFileSystem fs;
  ScriptedFileDialogs dialogs;
  DocumentCommands commands{doc, recent, fs, dialogs, messages};
  int titleChanges = 0;
  int viewUpdates = 0;
};
