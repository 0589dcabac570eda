#include "view/pick_menu.h"

#include "view/pick_command.h"
#include "view/tray_commands.h"

std::vector<PickMenuEntry> BuildPickMenu(const MacroData& doc) {
  std::vector<PickMenuEntry> menu;
  menu.reserve(std::size(kTrayCommands) + 1);
  for (const TrayCommand& fixed : kTrayCommands) {
    menu.push_back({PickMenuEntry::Kind::command, fixed.text, fixed.id, false, {}});
  }
  menu.push_back({PickMenuEntry::Kind::separator, {}, 0, false, {}});

  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    const bool topLevel = IsTopLevelName(doc.strSubMenuName[s]);
    std::vector<PickMenuEntry> items;
    for (int j = 0; j < doc.ItemCount(s) && IsPickableItemIndex(j); ++j) {
      const int slot = ItemSlot(s, j);
      items.push_back({PickMenuEntry::Kind::command,
                       doc.strSubMenuItemName[slot],
                       PickCommandId(s, j),
                       doc.strSubMenuItemText[slot].empty(),
                       {}});
    }
    if (topLevel) {
      menu.insert(menu.end(), items.begin(), items.end());
    } else {
      menu.push_back(
          {PickMenuEntry::Kind::popup, doc.strSubMenuName[s], 0, false, std::move(items)});
    }
  }
  return menu;
}
