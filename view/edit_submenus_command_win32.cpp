#include "view/edit_submenus_command_win32.h"

// The Edit SubMenus dialog is not part of the program yet: the command
// does nothing until it is. This is the one place that will call it.
void OnEditSubMenusCommand(HWND view, CZorvakDoc& doc, MessageBoxPort& messages) {
  (void)view;
  (void)doc;
  (void)messages;
}
