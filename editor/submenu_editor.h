#pragma once
// The logic of the Edit SubMenus dialog: every edit goes straight into the
// working copy, keystroke by keystroke. The current submenu and item are
// nothing but the selections of the two lists; both lists are filled in
// slot order, so a list position is a slot index.
//
// Notifications, as the dialog delivers them: selecting a list entry from
// the code raises no selection change; putting text into one of the two
// name boxes from the code raises the box's change handler, exactly as
// typing does; putting text into the item-text box from the code raises
// nothing. The controls never call back, so the editor raises the name
// boxes' handlers itself (see PutSubMenuNameBox, PutItemNameBox).
//
// Data a file may bring in beyond the editor's own limits (50 submenus,
// 49 or 50 items, negative counts) is shown as the counts read as counts
// (a negative count is none, nothing beyond 50), can be renamed, edited and
// deleted, but nothing is ever added beyond 49 submenus or 48 items. No
// slot outside 0..49 in either dimension is ever touched.

#include <string>

#include "document/macro_data.h"
#include "editor/editor_controls.h"
#include "framework/message_box.h"
#include "framework/shell_open.h"
#include "storage/non_copyable.h"

// The help page of this dialog, a file beside the program.
inline constexpr const char* kEditSubMenuHelpPage = "EditSubMenuHelp.html";

class SubMenuEditor : private NonCopyable {
 public:
  SubMenuEditor(MacroData& workingCopy, EditorControls& controls, MessageBoxPort& messages,
                ShellOpenPort& help);

  // Fills the lists and shows submenu 0 and its item 0, where they exist.
  // True: the focus goes to the first control.
  bool OnInitDialog();

  void OnSelchangeSubMenuList();
  // Shows the selected item in the name box, the text box and the check box.
  void OnSelchangeItemList();
  void OnChangeItemText();
  void OnChangeItemName();
  void OnChangeSubMenuName();
  void OnNewSub();
  void OnNewItem();
  void OnDeleteSub();
  void OnDeleteItem();
  // The check box has already toggled itself.
  void OnChainCheck();
  void OnHelpButton();

 private:
  // The selected submenu, -1 when none.
  int SelectedSubMenu() const;
  // The selected item of the selected submenu, -1 when either is none.
  int SelectedItem() const;

  void FillSubMenuList();
  void FillItemList(int s);
  void PutSubMenuNameBox(const std::string& text);
  void PutItemNameBox(const std::string& text);
  // New Item; false when it refused (its message shown).
  bool AddItem();

  MacroData& data_;
  EditorControls& controls_;
  MessageBoxPort& messages_;
  ShellOpenPort& help_;
};
