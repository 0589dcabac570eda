#pragma once
// The document commands over a real macro document, a file system (by
// default one in memory) and scripted answers from the user.

#include <gmock/gmock.h>

#include "document/zorvak_doc.h"
#include "documents/document_commands.h"
#include "framework/modal_window.h"
#include "support/document_builder.h"
#include "support/fake_file_system.h"
#include "support/scripted_ports.h"

using ::testing::ElementsAre;

template <typename FileSystem>
struct DocumentCommandsOver : ::testing::Test {
  void SetUp() override {
    commands.SetTitleChangedHandler([this] { ++titleChanges; });
    commands.SetUpdateViewsHandler([this] { ++viewUpdates; });
    ASSERT_TRUE(commands.ProcessShellCommand({}));
    viewUpdates = titleChanges = 0;
  }

  // What the Edit SubMenus dialog would leave: one submenu, chained, modified.
  void EditDocument(const std::string& subMenuName = "Edited") {
    doc.nNumSubMenus = 0;
    DocumentBuilder().SubMenu(subMenuName, {{"Hello", "hello there", 1}}).AddTo(doc);
    doc.SetModifiedFlag(true);
  }

  // The document in one line: title, path, the count of submenus and the
  // first submenu's name and first item's text, and whether modified.
  std::string State() const {
    return doc.GetTitle() + " " + doc.GetPathName() + " " + std::to_string(doc.nNumSubMenus) +
           doc.strSubMenuName[0] + doc.strSubMenuItemText[0] +
           (doc.IsModified() ? " modified" : "");
  }
  static constexpr const char* kEmptyUntitled = "Untitled  0";

  ScriptedMessageBoxes messages;
  CZorvakDoc doc;
  CRecentFileList recent;
  FileSystem fs;
  ScriptedFileDialogs dialogs;
  DocumentCommands commands{doc, recent, fs, dialogs, messages};
  int titleChanges = 0;
  int viewUpdates = 0;
};
