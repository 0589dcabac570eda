#include "editor/editor_controls_win32.h"

#include "framework/window_text_win32.h"
#include "resources/resource.h"

void Win32EditorControls::Bind(HWND dialog) {
  checkChain = GetDlgItem(dialog, IDC_CHECK_CHAIN);
  editSubMenuName = GetDlgItem(dialog, IDC_EDIT_SUBMENU_NAME);
  editItemName = GetDlgItem(dialog, IDC_EDIT_ITEM_NAME);
  editItemText = GetDlgItem(dialog, IDC_EDIT_ITEM_TEXT);
  listSubMenus = GetDlgItem(dialog, IDC_LIST_SUBMENUS);
  listItems = GetDlgItem(dialog, IDC_LIST_ITEMS);
}

HWND Win32EditorControls::List(EditorList list) const {
  return list == EditorList::SubMenus ? listSubMenus : listItems;
}

HWND Win32EditorControls::Box(EditorBox box) const {
  switch (box) {
    case EditorBox::SubMenuName:
      return editSubMenuName;
    case EditorBox::ItemName:
      return editItemName;
    case EditorBox::ItemText:
      return editItemText;
  }
  return nullptr;
}

LRESULT Win32EditorControls::SendToList(EditorList list, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  CodeChange change(changesUnderWay_);
  return SendMessageA(List(list), message, wParam, lParam);
}

void Win32EditorControls::ResetContent(EditorList list) { SendToList(list, LB_RESETCONTENT, 0, 0); }

void Win32EditorControls::AddString(EditorList list, const std::string& text) {
  SendToList(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int Win32EditorControls::GetCount(EditorList list) const {
  return static_cast<int>(SendMessageA(List(list), LB_GETCOUNT, 0, 0));
}

int Win32EditorControls::GetCurSel(EditorList list) const {
  const LRESULT selection = SendMessageA(List(list), LB_GETCURSEL, 0, 0);
  return selection == LB_ERR ? -1 : static_cast<int>(selection);
}

void Win32EditorControls::SetCurSel(EditorList list, int index) {
  SendToList(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32EditorControls::SetText(EditorBox box, const std::string& text) {
  CodeChange change(changesUnderWay_);
  SetWindowTextA(Box(box), text.c_str());
}

std::string Win32EditorControls::GetText(EditorBox box) const { return GetWindowString(Box(box)); }

bool Win32EditorControls::GetCheck() const {
  return SendMessageA(checkChain, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32EditorControls::SetCheck(bool checked) {
  CodeChange change(changesUnderWay_);
  SendMessageA(checkChain, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32EditorControls::SetFocus(EditorList list) {
  CodeChange change(changesUnderWay_);
  ::SetFocus(List(list));
}
