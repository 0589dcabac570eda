#pragma once
// The mark Windows puts on a file that came from the internet: the
// Zone.Identifier stream beside the file's content, a small text whose
// "ZoneId=" line names the zone the file came from (3 the internet, 4 the
// restricted sites). Read through the file system port, as NAME:Zone.Identifier.

#include <optional>
#include <string>
#include <string_view>

#include "storage/file_system.h"

// The zone a mark's text names, or none when it names none.
std::optional<int> ZoneIdOf(std::string_view markText);

// Whether the file carries the mark of the internet or the restricted
// zone. A file without the stream, or whose stream cannot be read, does not.
bool CameFromTheInternet(FileSystemPort& files, const std::string& path);
