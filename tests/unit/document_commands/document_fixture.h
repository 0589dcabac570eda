#pragma once
// The document commands over a real macro document, a file system (by
// default one in memory) and scripted answers from the user.

#include <gmock/gmock.h>

#include "document/zorvak_doc.h"
#include "document_commands/document_commands.h"
#include "framework/modal_window.h"
#include "support/document_builder.h"
#include "support/fake_file_system.h"
#include "support/scripted_ports.h"

using ::testing::ElementsAre;

template <typename FileSystem>
struct DocumentCommandsOver : ::testing::Test {
  void SetUp() override {
    commands.SetTitleChangedHandler([this] { ++title_changes; });
    commands.SetUpdateViewsHandler([this] { ++view_updates; });
    ASSERT_TRUE(commands.ProcessShellCommand({}));
    view_updates = title_changes = 0;
  }

  // What the Edit SubMenus dialog would leave: one submenu, chained, modified.
  void EditDocument(const std::string& submenuName = "Edited") {
    doc.nNumSubMenus = 0;
    DocumentBuilder().SubMenu(submenuName, {{"Hello", "hello there", 1}}).AddTo(doc);
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
  int title_changes = 0;
  int view_updates = 0;
};
