#pragma once
// Moves a finished file into place, replacing what was there in one step,
// so that the old file stays whole until the new one is complete. On
// Windows the new file keeps the old one's attributes and security.

#include <string>

// 0 on success, otherwise a CFileException cause code.
int RenameOver(const std::string& from, const std::string& to);
