#pragma once
// How a document goes to and from its file: the one path that the
// program's document commands and the zvk tool both take.
//
// Loading opens the file for reading (others may read it meanwhile) and
// reads it into the document through a loading archive, in place. Saving
// writes the document through a storing archive, safely: a failed save
// never costs the file that was there (storage/safe_save.h).
//
// Both throw what failed: CFileException when a file cannot be opened,
// read or written (a CNewerVersionException for a file of a newer version,
// whose notice the caller shows first), CArchiveException when a file ends
// too early or holds what the format does not allow.

#include <functional>
#include <string>

#include "documents/document.h"
#include "storage/file_system.h"

// What loading an empty file means.
enum class EmptyFile {
  loadsNothing,  // the document keeps its content (File > Open, zvk)
  endsTooEarly,  // the file ends before its first field (the tray's Open)
};

// opened: called once the file is open, before anything of the document
// can change.
void LoadDocumentFile(FileSystemPort& files, const std::string& path, CDocument& document,
                      EmptyFile empty, const std::function<void()>& opened = {});

// discardIncomplete: a new file that could not be completed is removed.
void SaveDocumentFile(FileSystemPort& files, const std::string& path, CDocument& document,
                      bool discardIncomplete);
