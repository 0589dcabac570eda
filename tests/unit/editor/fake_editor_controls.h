#pragma once
// The dialog's controls as plain state, behaving as the real ones do for
// the calls the editor makes: a list selection set out of range clears it,
// emptying a list clears its selection. A user's actions (clicks and
// keystrokes) are in EditorUser, which raises the handlers the dialog
// would raise.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor_controls.h"
#include "editor/submenu_editor.h"

struct FakeList {
  std::vector<std::string> entries;
  int selection = -1;
  bool operator==(const FakeList&) const = default;
};

class FakeEditorControls : public EditorControls {
 public:
  void ResetContent(EditorList list) override { Get(list) = FakeList{}; }
  void AddString(EditorList list, const std::string& text) override { Get(list).entries.push_back(text); }
  int GetCount(EditorList list) const override {
    if (failItemCount && list == EditorList::Items) return -1;
    return static_cast<int>(Get(list).entries.size());
  }
  int GetCurSel(EditorList list) const override { return Get(list).selection; }
  void SetCurSel(EditorList list, int index) override {
    FakeList& l = Get(list);
    l.selection = index >= 0 && index < static_cast<int>(l.entries.size()) ? index : -1;
  }
  void SetText(EditorBox box, const std::string& text) override { Box(box) = text; }
  std::string GetText(EditorBox box) const override { return boxes[static_cast<int>(box)]; }
  bool GetCheck() const override { return checked; }
  void SetCheck(bool value) override { checked = value; }
  void SetFocus(EditorList list) override { focus = list; }

  FakeList& Get(EditorList list) { return lists[static_cast<int>(list)]; }
  const FakeList& Get(EditorList list) const { return lists[static_cast<int>(list)]; }
  std::string& Box(EditorBox box) { return boxes[static_cast<int>(box)]; }

  std::array<FakeList, 2> lists;
  std::array<std::string, 3> boxes;  // submenu name, item name, item text
  bool checked = false;
  std::optional<EditorList> focus;
  bool failItemCount = false;  // LB_GETCOUNT of the item list fails
};

// What a person does to the dialog, with the notifications each action
// raises in the real dialog.
class EditorUser {
 public:
  EditorUser(FakeEditorControls& controls, SubMenuEditor& editor) : controls_(controls), editor_(editor) {}

  void ClickSubMenu(int index) {
    controls_.SetCurSel(EditorList::SubMenus, index);
    editor_.OnSelchangeSubMenuList();
  }
  void ClickItem(int index) {
    controls_.SetCurSel(EditorList::Items, index);
    editor_.OnSelchangeItemList();
  }
  // One change notification per keystroke; Enter in the item-text box
  // inserts a carriage return and line feed. Retype first deletes the
  // whole text of the box (one change).
  void Type(EditorBox box, const std::string& keys) {
    for (char c : keys) {
      controls_.Box(box) += (c == '\n' && box == EditorBox::ItemText) ? std::string("\r\n") : std::string(1, c);
      Notify(box);
    }
  }
  void Retype(EditorBox box, const std::string& keys) {
    controls_.Box(box).clear();
    Notify(box);
    Type(box, keys);
  }
  void ClickChain() {
    controls_.checked = !controls_.checked;
    editor_.OnChainCheck();
  }

 private:
  void Notify(EditorBox box) {
    if (box == EditorBox::SubMenuName) editor_.OnChangeSubMenuName();
    if (box == EditorBox::ItemName) editor_.OnChangeItemName();
    if (box == EditorBox::ItemText) editor_.OnChangeItemText();
  }

  FakeEditorControls& controls_;
  SubMenuEditor& editor_;
};
