#pragma once
// The recent-file entries of the File menu: they stand where the menu
// resource holds the grayed "Recent File" placeholder (the first recent-file
// command), numbered, with the program's commands for entries 1 to 4
// (firstCommand and the three after it).

#include <windows.h>

#include <string>
#include <vector>

// Puts texts (from CRecentFileList::MenuTexts) in place of the entries or
// the placeholder in menu; an empty list shows the grayed placeholder. A
// menu without either is left alone.
void UpdateRecentFileMenu(HMENU menu, const std::vector<std::string>& texts, UINT firstCommand);
