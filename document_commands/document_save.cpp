// Saving documents: Save, Save As and the save-to-a-path they share.

#include <exception>

#include "document_commands/document_commands.h"
#include "document_commands/document_failure_messages.h"
#include "document_commands/document_file.h"
#include "document_commands/document_type.h"

std::string ProposedSaveName(const std::string& pathName, const std::string& title) {
  if (!pathName.empty()) return pathName;
  return title.substr(0, title.find_first_of(" #%;/\\")) + kDocumentExtension;
}

bool DocumentCommands::OnFileSave() { return DoSave(document_.GetPathName()); }

bool DocumentCommands::OnFileSaveAs() { return DoSave({}); }

bool DocumentCommands::DoSave(const std::string& path) {
  std::string target = path;
  const bool chosenInDialog = target.empty();
  if (chosenInDialog) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::saveAs;
    request.title = "Save As";
    request.filters = DocumentFilters();
    request.default_extension = kDefaultExtension;
    request.initial_file_name = ProposedSaveName(document_.GetPathName(), document_.GetTitle());
    request.flags = OFN::kHideReadOnly | OFN::kPathMustExist | OFN::kOverwritePrompt;
    const auto chosen = dialogs_.Show(request);
    if (!chosen) return false;
    target = *chosen;
  }
  const std::string fullPath = files_.FullPath(target);
  if (!SaveDocument(fullPath, chosenInDialog)) return false;
  SetPathName(fullPath);
  return true;
}

bool DocumentCommands::SaveDocument(const std::string& fullPath, bool chosenInDialog) {
  try {
    SaveDocumentFile(files_, fullPath, document_, chosenInDialog);
  } catch (...) {
    const std::exception_ptr failure = std::current_exception();
    ReportFailure(failure, SaveFailureMessage(failure, fullPath), MB::kIconExclamation);
    return false;
  }
  document_.SetModifiedFlag(false);
  return true;
}
