#pragma once
// How a document goes to and from its file: the one path that the
// program's document commands and the zvk tool both take.
//
// Loading opens the file for reading (others may read it meanwhile) and
// reads it through a loading archive; the document's Serialize replaces its
// content only once the whole file has been read, so a load that fails
// leaves the document as it was. Saving
// writes the document through a storing archive, safely: a failed save
// never costs the file that was there (storage/safe_save.h).
//
// Both throw what failed: CFileException when a file cannot be opened,
// read or written (a CNewerVersionException for a file of a newer version,
// whose notice the caller shows first), CArchiveException when a file ends
// too early or holds what the format does not allow.

#include <string>

#include "document_commands/document.h"
#include "storage/file_system.h"

// What loading an empty file means.
enum class EmptyFile {
  emptyDocument,  // a document without content (File > Open, zvk)
  endsTooEarly,   // the file ends before its first field (the tray's Open)
};

void LoadDocumentFile(FileSystemPort& files, const std::string& path, CDocument& document,
                      EmptyFile empty);

// discardIncomplete: a new file that could not be completed is removed.
void SaveDocumentFile(FileSystemPort& files, const std::string& path, CDocument& document,
                      bool discardIncomplete);
