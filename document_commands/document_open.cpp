// Opening documents: through the File menu, the recent-file list and the
// command line (the common open), and the tray menu's own Open.

#include <exception>

#include "document_commands/document_commands.h"
#include "document_commands/document_failure_messages.h"
#include "document_commands/document_file.h"
#include "document_commands/document_type.h"
#include "storage/file_path.h"

bool DocumentCommands::OnFileOpen() {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::open;
  request.title = "Open";
  request.filters = DocumentFilters();
  request.default_extension = kDefaultExtension;
  request.flags = OFN::kFileMustExist | OFN::kHideReadOnly;
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
  // A file that cannot be read leaves the document as it was.
  if (!LoadDocument(fullPath, EmptyFile::emptyDocument, OpenMessage::common)) return false;
  document_.SetModifiedFlag(false);
  SetPathName(fullPath);
  UpdateViews();
  return true;
}

bool DocumentCommands::LoadDocument(const std::string& fullPath, EmptyFile empty,
                                    OpenMessage message) {
  try {
    LoadDocumentFile(files_, fullPath, document_, empty);
  } catch (...) {
    const std::exception_ptr failure = std::current_exception();
    if (message == OpenMessage::common) {
      ReportFailure(failure, OpenFailureMessage(failure, fullPath), MB::kIconExclamation);
    } else {
      ReportFailure(failure, TrayOpenFailureMessage(failure), MB::kIconStop);
    }
    return false;
  }
  return true;
}

void DocumentCommands::OnTrayFileOpen() {
  FileDialogRequest request;
  request.kind = FileDialogRequest::Kind::open;
  request.owner = FileDialogRequest::Owner::view;
  request.filters = DocumentFilters();
  request.default_extension = kDefaultExtension;
  request.flags = OFN::kHideReadOnly | OFN::kOverwritePrompt;
  if (const auto chosen = dialogs_.Show(request)) OnTrayOpenFile(*chosen);
}

void DocumentCommands::OnTrayOpenFile(const std::string& path) {
  if (!SaveModified()) return;
  const std::string fullPath = files_.FullPath(path);
  if (!LoadDocument(fullPath, EmptyFile::endsTooEarly, OpenMessage::tray)) return;
  // The document is now the file: not modified, and named after it (with
  // its extension), so that Save writes there.
  document_.SetModifiedFlag(false);
  document_.SetPathNameOnly(fullPath);
  SetTitle(FileNameOf(fullPath));
}
