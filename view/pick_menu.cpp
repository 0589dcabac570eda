#include "view/pick_menu.h"

#include "resources/resource.h"
#include "view/pick_command.h"

const FixedPickCommand kFixedPickCommands[7] = {
    {"&Edit SubMenus", ID_EDIT_SUBMENUS}, {"&Win Money!", ID_WIN_MONEY},
    {"&Help Index", ID_HELP_INDEX},       {"&Open", ID_FILE_OPEN},
    {"&Save", ID_FILE_SAVE},              {"Save &As", ID_FILE_SAVE_AS},
    {"E&xit", ID_APP_EXIT},
};

bool IsTopLevelName(const std::string& subMenuName) {
  static constexpr char kTopLevel[] = "toplevel";
  if (subMenuName.size() != sizeof kTopLevel - 1) return false;
  for (std::size_t i = 0; i < subMenuName.size(); ++i) {
    char c = subMenuName[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kTopLevel[i]) return false;
  }
  return true;
}

std::vector<PickMenuEntry> BuildPickMenu(const MacroData& doc) {
  std::vector<PickMenuEntry> menu;
  for (const FixedPickCommand& fixed : kFixedPickCommands) {
    menu.push_back({PickMenuEntry::Kind::command, fixed.text, fixed.id, false, {}});
  }
  menu.push_back({PickMenuEntry::Kind::separator, {}, 0, false, {}});

  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    const bool topLevel = IsTopLevelName(doc.strSubMenuName[s]);
    std::vector<PickMenuEntry> items;
    for (int j = 0; j < doc.ItemCount(s) && IsPickableItemIndex(j); ++j) {
      const int slot = ItemSlot(s, j);
      items.push_back({PickMenuEntry::Kind::command, doc.strSubMenuItemName[slot],
                       PickCommandId(s, j), doc.strSubMenuItemText[slot].empty(), {}});
    }
    if (topLevel) {
      menu.insert(menu.end(), items.begin(), items.end());
    } else {
      menu.push_back({PickMenuEntry::Kind::popup, doc.strSubMenuName[s], 0, false,
                      std::move(items)});
    }
  }
  return menu;
}
