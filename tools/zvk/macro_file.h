#pragma once
// Macro files for the zvk commands, read and written by the program's own
// document code. Every failure becomes a ToolError with the program's
// message and the exit status for it.

#include <cstdint>
#include <string>

#include "document/zorvak_doc.h"

// Reads path into doc (a new document) the way File -> Open does, through
// the program's own document file path: a file of zero length is an empty
// document. Returns the file's version word (1, the current version, for an
// empty file).
std::int32_t LoadMacroFile(const std::string& path, CZorvakDoc& doc);

// Writes doc to path the way File -> Save does: through a new file beside
// path that replaces path only once it is complete, so that on any failure
// path is left as it was and the new file is removed.
void SaveMacroFile(const std::string& path, CZorvakDoc& doc);

// The whole content of a file, as it is (no line-ending changes).
std::string ReadWholeFile(const std::string& path);
