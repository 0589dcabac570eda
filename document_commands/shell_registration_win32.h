#pragma once
// Registers the ".zvk" file type with the shell for the current user, so
// that opening such a file starts this program with the file's path. It is
// written under HKEY_CURRENT_USER\Software\Classes, which the shell merges
// into HKEY_CLASSES_ROOT for this user: no administrator rights needed.

#include <string>

// classesKey: the per-user classes key (another key for tests). False when
// a value could not be written.
bool RegisterShellFileTypes(const std::string& classesKey = "Software\\Classes");

// This program's path in its short form (no blanks where the volume has
// short names), as the shell's open command names it.
std::string ProgramShortPath();
