#pragma once
// The tray's pick menu as plain data, built afresh from the document every
// time it opens: seven fixed commands, a separator, then one cascade per
// submenu holding its items (a submenu named "TopLevel", in any letter
// case, puts its items straight into the menu instead).

#include <string>
#include <vector>

#include "document/macro_data.h"

struct PickMenuEntry {
  enum class Kind { command, separator, popup };
  Kind kind = Kind::command;
  std::string text;
  int id = 0;                           // command: its id
  bool grayed = false;                  // command: shown but not choosable
  std::vector<PickMenuEntry> children;  // popup: its entries
};

// Items whose id would not decode back to themselves (index 49, which only
// a file can hold) are left out, so a pick always names the item shown.
std::vector<PickMenuEntry> BuildPickMenu(const MacroData& doc);
