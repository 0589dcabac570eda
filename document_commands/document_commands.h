#pragma once
// The document commands of the single-document program: the question
// before a document is given up, New, Open, the recent files, Save,
// Save As, the tray menu's own Open and the document named on the command
// line. Every decision is made here; the Windows side supplies the ports
// (files, dialogs, message boxes) and carries out the two notifications.
//
// The commands return whether they went through: false when the user
// cancelled or a failure was reported (the tray's Open has no result). A
// file that cannot be opened or read leaves the document as it was:
// content, path, title and modified flag.

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "document_commands/command_line.h"
#include "document_commands/document.h"
#include "document_commands/document_file.h"
#include "document_commands/file_dialog.h"
#include "document_commands/recent_file_list.h"
#include "framework/message_box.h"
#include "storage/file_system.h"
#include "storage/non_copyable.h"

class DocumentCommands : private NonCopyable {
 public:
  DocumentCommands(CDocument& document, CRecentFileList& recentFiles, FileSystemPort& files,
                   FileDialogPort& dialogs, MessageBoxPort& messages);

  // Called whenever the title changed (the caption follows it).
  void SetTitleChangedHandler(std::function<void()> handler) {
    title_changed_ = std::move(handler);
  }
  // Called when new content should be shown (the views repaint).
  void SetUpdateViewsHandler(std::function<void()> handler) { update_views_ = std::move(handler); }

  // "Save changes to %1?" for a modified document: true to go on (saved,
  // or not wanted), false to stop the command. Asked before New, Open, a
  // recent file, and before the program ends (File > Exit, closing the
  // main window, the tray's Exit).
  bool SaveModified();

  // What ending the program now comes to (the main window closed, the end
  // of the session): never while a modal window of the program is open,
  // since a command waits in it (that window is to come forward instead);
  // otherwise the save-changes question decides.
  enum class EndAnswer { end, keepRunning, showModalWindow };
  EndAnswer QueryEnd();

  bool OnFileNew();
  // The Open dialog, then the common open of the chosen file.
  bool OnFileOpen();
  // Entry index (0 .. 3) of the recent-file list; an entry that does not
  // end up open is removed from the list.
  bool OnOpenRecentFile(int index);
  // The common open of a path, after the save-changes question.
  bool OpenDocumentFile(const std::string& path);

  bool OnFileSave();
  bool OnFileSaveAs();

  // The tray menu's Open: a chosen file (which need not exist), then the
  // save-changes question, then the file replaces the document, which
  // takes its path and is titled with its name and extension, so that a
  // later Save writes to the file the caption names. The recent-file list
  // is left alone; failures are shown with the stop icon.
  void OnTrayFileOpen();
  // The tray's Open of a file chosen elsewhere (named by a later start of
  // the program): the save-changes question, then the same open.
  void OnTrayOpenFile(const std::string& path);

  // Start-up: a new document, or the document named on the command line.
  // False when that document could not be opened: start-up fails.
  bool ProcessShellCommand(const CommandLineInfo& commandLine);

  // The full path as the path name, the title from the file's title, and
  // the path at the top of the recent-file list.
  void SetPathName(const std::string& path);

 private:
  enum class OpenKind { command, startUp };
  // Which words a failure is told in: the common open's or the tray's.
  enum class OpenMessage { common, tray };
  bool OpenFile(const std::string& path, OpenKind kind);
  // Loads the file into the document, which changes only when the whole
  // file has been read; false after reporting a failure.
  bool LoadDocument(const std::string& fullPath, EmptyFile empty, OpenMessage message);
  // path empty: ask for a name with the Save As dialog.
  bool DoSave(const std::string& path);
  bool SaveDocument(const std::string& fullPath, bool chosenInDialog);
  void NewDocument();
  void SetTitle(const std::string& title);
  // Shows a failure's message, after the notice of a newer version where
  // that is what failed.
  void ReportFailure(const std::exception_ptr& failure, const std::string& message, unsigned type);
  void UpdateViews();

  CDocument& document_;
  CRecentFileList& recent_files_;
  FileSystemPort& files_;
  FileDialogPort& dialogs_;
  MessageBoxPort& messages_;
  std::function<void()> title_changed_;
  std::function<void()> update_views_;
};

// The name Save As proposes for a document: its path if it has one;
// otherwise its title cut before the first character that a file name
// should not carry (blank # % ; / \), followed by ".zvk".
std::string ProposedSaveName(const std::string& pathName, const std::string& title);
