#include "editor/edit_submenu_dlg_win32.h"

#include <cstdint>

#include "document/zorvak_doc.h"
#include "editor/edit_submenus_command.h"
#include "resources/resource.h"

CEditSubMenuDlg::CEditSubMenuDlg(MacroData& workingCopy, HWND parent)
    : CDialog(IDD_EDITSUBMENUS, parent), editor_(workingCopy, controls_, messages_, shell_) {}

BOOL CEditSubMenuDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  controls_.Bind(hwnd);
  // Refusals are owned by the dialog, which they keep disabled.
  messages_.SetOwner(reinterpret_cast<std::uintptr_t>(hwnd));
  return editor_.OnInitDialog() ? TRUE : FALSE;
}

bool CEditSubMenuDlg::OnCommand(int id, int notifyCode) {
  const bool fromControl = id != IDOK && id != IDCANCEL;
  // What a control reports about a change the editor itself is making is
  // not the user's doing: the editor has already dealt with it.
  if (fromControl && controls_.ChangingFromCode()) return true;

  switch (id) {
    case IDC_LIST_SUBMENUS:
      if (notifyCode == LBN_SELCHANGE) editor_.OnSelchangeSubMenuList();
      return true;
    case IDC_LIST_ITEMS:
      if (notifyCode == LBN_SELCHANGE) editor_.OnSelchangeItemList();
      return true;
    case IDC_EDIT_ITEM_TEXT:
      if (notifyCode == EN_CHANGE) editor_.OnChangeItemText();
      return true;
    case IDC_EDIT_ITEM_NAME:
      if (notifyCode == EN_CHANGE) editor_.OnChangeItemName();
      return true;
    case IDC_EDIT_SUBMENU_NAME:
      if (notifyCode == EN_CHANGE) editor_.OnChangeSubMenuName();
      return true;
    default:
      break;
  }
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_NEW_SUB:
      editor_.OnNewSub();
      return true;
    case IDC_NEW_ITEM:
      editor_.OnNewItem();
      return true;
    case IDC_DELETE_SUB:
      editor_.OnDeleteSub();
      return true;
    case IDC_DELETE_ITEM:
      editor_.OnDeleteItem();
      return true;
    case IDC_CHECK_CHAIN:
      editor_.OnChainCheck();
      return true;
    case IDC_HELP_BUTTON:
      editor_.OnHelpButton();
      return true;
    default:
      return false;
  }
}

void RunEditSubMenus(CZorvakDoc& doc, HWND parent) {
  EditSubMenus(doc, [parent](MacroData& workingCopy) {
    CEditSubMenuDlg dialog(workingCopy, parent);
    return static_cast<int>(dialog.DoModal());
  });
}
