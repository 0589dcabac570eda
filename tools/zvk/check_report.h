#pragma once
// What zvk check says about a loaded macro document: a short summary and
// the warnings a user would want before trusting the file to the program.

#include <cstdint>
#include <string>
#include <vector>

#include "document/macro_data.h"

// "version 1, 3 submenus, 12 items", then one line per submenu.
std::vector<std::string> CheckSummary(const MacroData& doc, std::int32_t version);

// One sentence per finding, in document order:
//  - a version word other than the current one (written back as 1);
//  - a negative submenu or item count (read as none);
//  - more submenus or items than the editor makes (49 and 48), and a
//    50th item, which the pick menu cannot offer;
//  - several submenus named TopLevel (in any letter case);
//  - an item with an empty text (shown grayed; reached only by a chain);
//  - an item whose pick presses a Windows key, Ctrl+Esc or Alt+F4
//    (safety/risky_item.h);
//  - a chain that runs past the last item of its submenu;
//  - a name or text the legacy code page cannot hold (older versions show
//    it with question marks), and one holding U+FFFD, what half of a
//    surrogate pair in the file reads as.
std::vector<std::string> CheckWarnings(const MacroData& doc, std::int32_t version);

// How a submenu or an item is named in the report: 2 "Help", 2.0 "Enter".
std::string SubMenuLabel(const MacroData& doc, int s);
std::string ItemLabel(const MacroData& doc, int s, int j);
