#include "view/edit_submenus_command_win32.h"

#include "editor/edit_submenu_dlg_win32.h"

// The dialog is made with no explicit parent, so the main window owns it;
// its refusals are message boxes owned by the dialog itself.
void OnEditSubMenusCommand(HWND view, CZorvakDoc& doc, MessageBoxPort& messages) {
  (void)view;
  (void)messages;
  RunEditSubMenus(doc);
}
