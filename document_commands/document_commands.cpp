#include "document_commands/document_commands.h"

#include "document_commands/document_failure_messages.h"
#include "document_commands/document_type.h"
#include "framework/modal_window.h"
#include "storage/error_messages.h"

DocumentCommands::DocumentCommands(CDocument& document, CRecentFileList& recentFiles,
                                   FileSystemPort& files, FileDialogPort& dialogs,
                                   MessageBoxPort& messages)
    : document_(document),
      recent_files_(recentFiles),
      files_(files),
      dialogs_(dialogs),
      messages_(messages) {}

bool DocumentCommands::SaveModified() {
  if (!document_.IsModified()) return true;
  std::string name;
  if (!document_.GetPathName().empty()) {
    name = files_.FileTitle(document_.GetPathName());
  } else {
    name = document_.GetTitle().empty() ? kUntitled : document_.GetTitle();
  }
  switch (messages_.AfxMessageBox(FormatMessage1("Save changes to %1?", name),
                                  MB::kYesNoCancel | MB::kIconExclamation)) {
    case MB::kIdYes:
      return DoSave(document_.GetPathName());
    case MB::kIdNo:
      return true;
    default:  // Cancel, or the box closed some other way
      return false;
  }
}

DocumentCommands::EndAnswer DocumentCommands::QueryEnd() {
  if (ModalWindowScope::AnyOpen()) return EndAnswer::showModalWindow;
  return SaveModified() ? EndAnswer::end : EndAnswer::keepRunning;
}

bool DocumentCommands::OnFileNew() {
  if (!SaveModified()) return false;
  NewDocument();
  return true;
}

bool DocumentCommands::ProcessShellCommand(const CommandLineInfo& commandLine) {
  if (commandLine.command == CommandLineInfo::Command::fileNew) {
    NewDocument();
    return true;
  }
  return OpenFile(commandLine.file_name, OpenKind::startUp);
}

void DocumentCommands::NewDocument() {
  SetTitle(kUntitled);
  document_.OnNewDocument();
  UpdateViews();
}

void DocumentCommands::SetPathName(const std::string& path) {
  const std::string fullPath = files_.FullPath(path);
  document_.SetPathNameOnly(fullPath);
  SetTitle(files_.FileTitle(fullPath));
  recent_files_.Add(fullPath);
}

void DocumentCommands::SetTitle(const std::string& title) {
  document_.SetTitle(title);
  if (title_changed_) title_changed_();
}

void DocumentCommands::ReportFailure(const std::exception_ptr& failure, const std::string& message,
                                     unsigned type) {
  if (const auto notice = NewerVersionNotice(failure)) messages_.AfxMessageBox(*notice);
  messages_.AfxMessageBox(message, type);
}

void DocumentCommands::UpdateViews() {
  if (update_views_) update_views_();
}
