#pragma once
// The Edit SubMenus dialog on Windows: its template bound to the editor.

#include <windows.h>

#include "document/macro_data.h"
#include "editor/editor_controls_win32.h"
#include "editor/submenu_editor.h"
#include "framework/dialog_win32.h"
#include "framework/message_box_win32.h"
#include "framework/shell_open_win32.h"

class CZorvakDoc;

class CEditSubMenuDlg : public CDialog {
 public:
  // workingCopy: what the dialog edits; it must outlive the dialog.
  // parent: none makes the main window the owner.
  explicit CEditSubMenuDlg(MacroData& workingCopy, HWND parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  Win32EditorControls controls_;
  Win32MessageBoxes messages_;
  Win32ShellOpen shell_;
  SubMenuEditor editor_;
};

// The Edit SubMenus command: runs the dialog over a copy of the document
// and, on OK, marks the document modified and copies the edits back.
void RunEditSubMenus(CZorvakDoc& doc, HWND parent = nullptr);
