#include "view/pick_menu_win32.h"

#include "framework/handles_win32.h"

namespace {

UniqueMenu MakePopup(const std::vector<PickMenuEntry>& entries) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const PickMenuEntry& entry : entries) {
    switch (entry.kind) {
      case PickMenuEntry::Kind::command:
        AppendMenuA(menu.get(), entry.grayed ? MF_GRAYED : MF_STRING,
                    static_cast<UINT_PTR>(entry.id), entry.text.c_str());
        break;
      case PickMenuEntry::Kind::separator:
        AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        break;
      case PickMenuEntry::Kind::popup: {
        UniqueMenu child = MakePopup(entry.children);
        if (child && AppendMenuA(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(child.get()),
                                 entry.text.c_str())) {
          child.release();  // destroyed with its parent from now on
        }
        break;
      }
    }
  }
  return menu;
}

}  // namespace

void TrackPickMenu(const std::vector<PickMenuEntry>& entries, POINT at, HWND owner) {
  const UniqueMenu menu = MakePopup(entries);
  if (!menu) return;
  TrackPopupMenu(menu.get(), TPM_RIGHTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  // Lets the menu close properly when the user clicks elsewhere.
  PostMessageA(owner, WM_NULL, 0, 0);
}
