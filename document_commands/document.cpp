#include "document_commands/document.h"

bool CDocument::OnNewDocument() {
  path_name_.clear();
  modified_ = false;
  return true;
}
