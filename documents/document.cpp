#include "documents/document.h"

bool CDocument::OnNewDocument() {
  pathName_.clear();
  modified_ = false;
  return true;
}
