#pragma once
// The document commands on Windows, the one owner of every document
// command: the real files, the common file dialogs and the recent-file
// list, handed to DocumentCommands, which makes every decision. Commands
// reach it through the view (DocumentCommandPort), the application and the
// frame through the rest.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "document_commands/command_line.h"
#include "document_commands/document.h"
#include "document_commands/document_commands.h"
#include "document_commands/file_dialogs_win32.h"
#include "document_commands/recent_file_list.h"
#include "framework/message_box.h"
#include "storage/file_system_win32.h"
#include "storage/non_copyable.h"
#include "view/document_command_port.h"

class Win32DocumentCommands : public DocumentCommandPort, private NonCopyable {
 public:
  Win32DocumentCommands(CDocument& doc, MessageBoxPort& messages);

  // The windows that own the file dialogs (the tray's Open belongs to the
  // view), what to do when the document's title changed and when its
  // content is to be shown anew.
  void SetFrame(HWND frame, HWND view, std::function<void()> titleChanged,
                std::function<void()> contentChanged);

  CRecentFileList& RecentFiles() { return recent_files_; }
  // The File menu's recent-file entries, numbered and abbreviated.
  std::vector<std::string> RecentFileMenuTexts() { return recent_files_.MenuTexts(files_); }

  // Start-up: false when the document named on the command line could not
  // be opened (the failure has been shown).
  bool ProcessShellCommand(const CommandLineInfo& commandLine) {
    return commands_.ProcessShellCommand(commandLine);
  }

  bool SaveModified() override { return commands_.SaveModified(); }
  DocumentCommands::EndAnswer QueryEnd() { return commands_.QueryEnd(); }
  void OnTrayOpen() override { commands_.OnTrayFileOpen(); }
  void OnTrayOpenFile(const std::string& path) { commands_.OnTrayOpenFile(path); }
  // New, Open, Save, Save As and the recent files, from the main menu, the
  // toolbar, the accelerators or the tray menu.
  bool OnCmdMsg(int id) override;

 private:
  Win32FileSystem files_;
  Win32FileDialogs dialogs_;
  CRecentFileList recent_files_;
  DocumentCommands commands_;
};
