#include "framework/recent_file_menu_win32.h"

#include "resources/resource.h"

namespace {

bool IsRecentFileCommand(UINT id) { return id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4; }

}  // namespace

void UpdateRecentFileMenu(HMENU menu, const std::vector<std::string>& texts) {
  if (menu == nullptr) return;
  int position = -1;
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    if (!IsRecentFileCommand(GetMenuItemID(menu, i))) continue;
    DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    position = i;
  }
  if (position < 0) return;
  if (texts.empty()) {
    InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                ID_FILE_MRU_FILE1, "Recent File");
    return;
  }
  for (std::size_t i = 0; i < texts.size() && i < 4; ++i) {
    InsertMenuA(menu, static_cast<UINT>(position + static_cast<int>(i)), MF_BYPOSITION | MF_STRING,
                ID_FILE_MRU_FILE1 + i, texts[i].c_str());
  }
}
