#include "document/macro_data.h"

#include <algorithm>

#include "storage/ascii_case.h"

bool IsTopLevelName(const std::string& submenuName) {
  return EqualsIgnoringCase(submenuName, "TopLevel");
}

void MacroData::ClearAll() {
  nNumSubMenus = 0;
  nNumSubMenuItems.fill(0);
  bChainToNext.fill(0);
  for (auto& s : strSubMenuName) s.clear();
  for (auto& s : strSubMenuItemText) s.clear();
  for (auto& s : strSubMenuItemName) s.clear();
}

int MacroData::SubMenuCount() const { return std::clamp(nNumSubMenus, 0, kMaxSubMenus); }

int MacroData::ItemCount(int s) const {
  if (!IsSubMenuIndex(s)) return 0;
  return std::clamp(nNumSubMenuItems[s], 0, kMaxItems);
}
