// Opening documents: through the File menu, the recent-file list and the
// command line (the common open), and the tray menu's own Open.

#include <exception>

#include "documents/document_commands.h"
#include "documents/document_file.h"
#include "documents/document_failure_messages.h"
#include "documents/document_type.h"
#include "storage/file_path.h"

bool DocumentCommands::OnFileOpen() {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::open;
  request.title = "Open";
  request.filters = DocumentFilters();
  request.defaultExtension = kDefaultExtension;
  request.flags = OFN::FileMustExist | OFN::HideReadOnly;
  const auto chosen = dialogs_.Show(request);
  if (!chosen) return false;
  return OpenDocumentFile(*chosen);
}

bool DocumentCommands::OnOpenRecentFile(int index) {
  if (index < 0 || index >= recent_files_.GetSize()) return false;
  // A copy: saving in answer to the question reorders the list.
  const std::string path = recent_files_[index];
  if (OpenDocumentFile(path)) return true;
  recent_files_.Remove(path);
  return false;
}

bool DocumentCommands::OpenDocumentFile(const std::string& path) {
  return OpenFile(path, OpenKind::command);
}

bool DocumentCommands::OpenFile(const std::string& path, OpenKind kind) {
  // At start-up the document was made for this open: nothing to save.
  if (kind == OpenKind::command && !SaveModified()) return false;
  const std::string fullPath = files_.FullPath(path);
  const bool wasModified = document_.IsModified();
  document_.SetModifiedFlag(false);
  if (!LoadDocument(fullPath)) {
    if (kind == OpenKind::startUp) return false;
    if (!document_.IsModified()) {
      // The file never opened: the document is as it was.
      document_.SetModifiedFlag(wasModified);
    } else {
      // The load may have overwritten part of the content: start afresh.
      NewDocument();
    }
    return false;
  }
  document_.SetModifiedFlag(false);
  SetPathName(fullPath);
  UpdateViews();
  return true;
}

bool DocumentCommands::LoadDocument(const std::string& fullPath) {
  try {
    LoadDocumentFile(files_, fullPath, document_, EmptyFile::loadsNothing,
                     [this] { document_.SetModifiedFlag(true); });
  } catch (...) {
    const std::exception_ptr failure = std::current_exception();
    ReportFailure(failure, OpenFailureMessage(failure, fullPath), MB::IconExclamation);
    return false;
  }
  return true;
}

void DocumentCommands::OnTrayFileOpen() {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::open;
  request.owner = FileDialogRequest::Owner::view;
  request.filters = DocumentFilters();
  request.defaultExtension = kDefaultExtension;
  request.flags = OFN::HideReadOnly | OFN::OverwritePrompt;
  const auto chosen = dialogs_.Show(request);
  if (!chosen) return;
  const std::string fullPath = files_.FullPath(*chosen);
  try {
    LoadDocumentFile(files_, fullPath, document_, EmptyFile::endsTooEarly);
  } catch (...) {
    const std::exception_ptr failure = std::current_exception();
    ReportFailure(failure, TrayOpenFailureMessage(failure), MB::IconStop);
    return;
  }
  // Title and path name the file now shown, so that Save writes there.
  document_.SetPathNameOnly(fullPath);
  SetTitle(FileNameOf(fullPath));
}
