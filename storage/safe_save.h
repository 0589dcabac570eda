#pragma once
// Writing a file so that a failed save never costs the file that was there.
//
// An existing file is never written over: the new content goes to a
// temporary file in the same folder, which takes the old file's place only
// once it has been completely written, flushed and closed. Any failure,
// including a folder where no temporary file can be made, removes the
// temporary file and leaves the old one as it was. Only a file that does
// not exist yet is written in place.

#include <functional>
#include <string>

#include "storage/file.h"
#include "storage/file_system.h"

// Writes path through write(file), which fills and flushes the file; the
// file is closed here. Throws what failed (CFileException and the like; a
// CTempFileException naming the folder where no temporary file could be
// made).
// discardIncomplete: a file written in place that could not be completed
// is removed rather than left half-written.
void SaveFileSafely(FileSystemPort& files, const std::string& path,
                    const std::function<void(CFile&)>& write, bool discardIncomplete);
