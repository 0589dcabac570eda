#include "document_commands/recent_file_menu_win32.h"

#include "document_commands/recent_file_list.h"

void UpdateRecentFileMenu(HMENU menu, const std::vector<std::string>& texts, UINT firstCommand) {
  if (menu == nullptr) return;
  const auto isRecentFileCommand = [firstCommand](UINT id) {
    return id >= firstCommand && id < firstCommand + CRecentFileList::kSize;
  };
  int position = -1;
  for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
    if (!isRecentFileCommand(GetMenuItemID(menu, i))) continue;
    DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
    position = i;
  }
  if (position < 0) return;
  if (texts.empty()) {
    InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                firstCommand, "Recent File");
    return;
  }
  for (std::size_t i = 0; i < texts.size() && i < CRecentFileList::kSize; ++i) {
    InsertMenuA(menu, static_cast<UINT>(position + static_cast<int>(i)), MF_BYPOSITION | MF_STRING,
                firstCommand + i, texts[i].c_str());
  }
}
