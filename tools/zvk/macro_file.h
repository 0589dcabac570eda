#pragma once
// Macro files for the zvk commands, read and written by the program's own
// document code. Every failure becomes a ToolError with the program's
// message and the exit status for it.

#include <cstdint>
#include <string>

#include "document/zorvak_doc.h"

// Reads path into doc the way File -> Open does: a file of zero length is
// an empty document (Serialize is not called for it); any other file is
// read by Serialize over a loading archive. Returns the file's version
// word (1, the current version, for an empty file). The version message is
// shown through doc's own message port.
std::int32_t LoadMacroFile(const std::string& path, CZorvakDoc& doc);

// Writes doc to path the way File -> Save does. The bytes go to a new file
// beside path that replaces path only once it is complete: on any failure
// path is left as it was and the new file is removed.
void SaveMacroFile(const std::string& path, CZorvakDoc& doc);

// The whole content of a file, as it is (no line-ending changes).
std::string ReadWholeFile(const std::string& path);
