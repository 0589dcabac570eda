#include "editor/submenu_editor.h"

namespace {

const char* const kSelectSubMenuAndItem = "You must select a SubMenu and a SubMenu Item.";
const char* const kCreateSubMenuFirst =
    "You must first create a new SubMenu entry by pressing the New Sub button.";
const char* const kTooManySubMenus =
    "Error:  Too many submenus.  Delete one or more before attempting to add a new SubMenu.";
const char* const kSelectSubMenuForItem =
    "Error:  You must select a SubMenu in the SubMenu List Box";
const char* const kTooManyItems =
    "Error:  To many submenu items.  Delete one or more submenu items from this submenu before "
    "attempting to add any new items.";
const char* const kSelectSubMenuToDelete =
    "Error:  You must first select the SubMenu you wish to delete in the SubMenu list box.";
const char* const kSelectItemToDelete =
    "Error:  You must first select the Item you wish to delete in the SubMenu Item list box.";
const char* const kSelectBeforeChaining =
    "Please select items in both the SubMenu and SubMenu Item list boxes above before clicking "
    "this control.";

const char* const kNewSubName = "NewSub";
const char* const kNewItemName = "NewItem";

}  // namespace

SubMenuEditor::SubMenuEditor(MacroData& workingCopy, EditorControls& controls,
                             MessageBoxPort& messages, ShellOpenPort& help)
    : data_(workingCopy), controls_(controls), messages_(messages), help_(help) {}

int SubMenuEditor::SelectedSubMenu() const {
  const int s = controls_.GetCurSel(EditorList::SubMenus);
  return s >= 0 && s < data_.SubMenuCount() ? s : -1;
}

int SubMenuEditor::SelectedItem() const {
  const int s = SelectedSubMenu();
  if (s < 0) return -1;
  const int j = controls_.GetCurSel(EditorList::Items);
  return j >= 0 && j < data_.ItemCount(s) ? j : -1;
}

void SubMenuEditor::FillSubMenuList() {
  controls_.ResetContent(EditorList::SubMenus);
  for (int s = 0; s < data_.SubMenuCount(); ++s) {
    controls_.AddString(EditorList::SubMenus, data_.strSubMenuName[s]);
  }
}

void SubMenuEditor::FillItemList(int s) {
  controls_.ResetContent(EditorList::Items);
  for (int j = 0; j < data_.ItemCount(s); ++j) {
    controls_.AddString(EditorList::Items, data_.strSubMenuItemName[ItemSlot(s, j)]);
  }
}

// A name box set from the code notifies as if typed into.
void SubMenuEditor::PutSubMenuNameBox(const std::string& text) {
  controls_.SetText(EditorBox::SubMenuName, text);
  OnChangeSubMenuName();
}

void SubMenuEditor::PutItemNameBox(const std::string& text) {
  controls_.SetText(EditorBox::ItemName, text);
  OnChangeItemName();
}

bool SubMenuEditor::OnInitDialog() {
  controls_.SetCheck(false);
  FillSubMenuList();
  if (data_.SubMenuCount() == 0) return true;

  controls_.SetCurSel(EditorList::SubMenus, 0);
  PutSubMenuNameBox(data_.strSubMenuName[0]);
  FillItemList(0);
  if (data_.ItemCount(0) == 0) return true;

  controls_.SetCurSel(EditorList::Items, 0);
  OnSelchangeItemList();
  return true;
}

void SubMenuEditor::OnSelchangeItemList() {
  const int s = SelectedSubMenu();
  const int j = SelectedItem();
  if (s < 0 || j < 0) return;
  const int k = ItemSlot(s, j);
  controls_.SetText(EditorBox::ItemText, data_.strSubMenuItemText[k]);
  PutItemNameBox(data_.strSubMenuItemName[k]);
  // Any nonzero flag is set, whatever value a file stored.
  controls_.SetCheck(data_.bChainToNext[k] != 0);
}

void SubMenuEditor::OnSelchangeSubMenuList() {
  const int s = SelectedSubMenu();
  if (s < 0) return;
  controls_.ResetContent(EditorList::Items);
  controls_.SetText(EditorBox::ItemText, "");
  PutSubMenuNameBox(data_.strSubMenuName[s]);
  FillItemList(s);
  // Without items the item-name box and the check box keep what they show.
  if (data_.ItemCount(s) > 0) {
    controls_.SetCurSel(EditorList::Items, 0);
    OnSelchangeItemList();
  }
}

void SubMenuEditor::OnChangeItemText() {
  const int s = SelectedSubMenu();
  const int j = SelectedItem();
  if (s < 0 || j < 0) {
    messages_.AfxMessageBox(kSelectSubMenuAndItem, MB::kIconInformation);
    return;
  }
  // Enter in the box gives "\r\n", stored as it comes.
  data_.strSubMenuItemText[ItemSlot(s, j)] = controls_.GetText(EditorBox::ItemText);
}

void SubMenuEditor::OnChangeItemName() {
  // Typing a name with no item selected makes a new item first; the new
  // item's name replaces what was typed.
  if (SelectedItem() < 0 && !AddItem()) return;
  const int s = SelectedSubMenu();
  const int j = SelectedItem();
  if (s < 0 || j < 0) return;
  data_.strSubMenuItemName[ItemSlot(s, j)] = controls_.GetText(EditorBox::ItemName);
  FillItemList(s);
  controls_.SetCurSel(EditorList::Items, j);
}

void SubMenuEditor::OnChangeSubMenuName() {
  const int s = SelectedSubMenu();
  if (s < 0) {
    messages_.AfxMessageBox(kCreateSubMenuFirst, MB::kIconInformation);
    return;
  }
  data_.strSubMenuName[s] = controls_.GetText(EditorBox::SubMenuName);
  FillSubMenuList();
  controls_.SetCurSel(EditorList::SubMenus, s);
}

void SubMenuEditor::OnNewSub() {
  // A negative count from a file counts as no submenus.
  const int n = data_.SubMenuCount();
  if (n >= kEditorMaxSubMenus) {
    messages_.AfxMessageBox(kTooManySubMenus, MB::kIconInformation);
    return;
  }
  // Slot n keeps its item count and items (none in a blank slot).
  data_.strSubMenuName[n] = kNewSubName;
  data_.nNumSubMenus = n + 1;
  FillSubMenuList();
  controls_.SetCurSel(EditorList::SubMenus, n);
  controls_.SetFocus(EditorList::SubMenus);
  OnSelchangeSubMenuList();
}

void SubMenuEditor::OnNewItem() { AddItem(); }

bool SubMenuEditor::AddItem() {
  const int s = SelectedSubMenu();
  if (s < 0) {
    messages_.AfxMessageBox(kSelectSubMenuForItem, MB::kIconExclamation);
    return false;
  }
  // The list shows the items of s, so its count is the item count (a
  // negative count from a file thereby becomes 0).
  const int n = controls_.GetCount(EditorList::Items);
  if (n >= 0) data_.nNumSubMenuItems[s] = n;
  // The new slot starts unchained. This happens before the limit check, so
  // a full submenu's refusal also leaves the check box unchecked.
  if (n >= 0 && n < kMaxItems) data_.bChainToNext[ItemSlot(s, n)] = 0;
  controls_.SetCheck(false);
  if (n < 0 || n >= kEditorMaxItems) {
    messages_.AfxMessageBox(kTooManyItems, MB::kIconInformation);
    return false;
  }
  // The slot's text is kept (empty in a blank slot).
  data_.strSubMenuItemName[ItemSlot(s, n)] = kNewItemName;
  data_.nNumSubMenuItems[s] = n + 1;
  FillItemList(s);
  controls_.SetCurSel(EditorList::Items, n);
  controls_.SetFocus(EditorList::Items);
  OnSelchangeItemList();
  return true;
}

void SubMenuEditor::OnDeleteSub() {
  const int s = SelectedSubMenu();
  if (s < 0) {
    messages_.AfxMessageBox(kSelectSubMenuToDelete, MB::kIconInformation);
    return;
  }
  data_.nNumSubMenus = data_.SubMenuCount() - 1;
  // Close up the gap: every later slot moves down by one, the last slot
  // keeps its content.
  for (int k = s; k + 1 < kMaxSubMenus; ++k) {
    data_.strSubMenuName[k] = data_.strSubMenuName[k + 1];
    data_.nNumSubMenuItems[k] = data_.nNumSubMenuItems[k + 1];
    for (int j = 0; j < kMaxItems; ++j) {
      const int to = ItemSlot(k, j);
      const int from = ItemSlot(k + 1, j);
      data_.strSubMenuItemName[to] = data_.strSubMenuItemName[from];
      data_.strSubMenuItemText[to] = data_.strSubMenuItemText[from];
      data_.bChainToNext[to] = data_.bChainToNext[from];
    }
  }
  FillSubMenuList();
  controls_.ResetContent(EditorList::Items);
}

void SubMenuEditor::OnDeleteItem() {
  const int s = SelectedSubMenu();
  const int j = SelectedItem();
  if (s < 0 || j < 0) {
    messages_.AfxMessageBox(kSelectItemToDelete, MB::kIconInformation);
    return;
  }
  data_.nNumSubMenuItems[s] = data_.ItemCount(s) - 1;
  for (int i = j; i + 1 < kMaxItems; ++i) {
    const int to = ItemSlot(s, i);
    const int from = ItemSlot(s, i + 1);
    data_.strSubMenuItemName[to] = data_.strSubMenuItemName[from];
    data_.strSubMenuItemText[to] = data_.strSubMenuItemText[from];
    data_.bChainToNext[to] = data_.bChainToNext[from];
  }
  FillItemList(s);
}

void SubMenuEditor::OnChainCheck() {
  const int s = SelectedSubMenu();
  const int j = SelectedItem();
  if (s < 0 || j < 0) {
    // The box stays as the click toggled it.
    messages_.AfxMessageBox(kSelectBeforeChaining, MB::kIconInformation);
    return;
  }
  data_.bChainToNext[ItemSlot(s, j)] = controls_.GetCheck() ? 1 : 0;
}

void SubMenuEditor::OnHelpButton() { help_.OpenHelpPage(kEditSubMenuHelpPage); }
