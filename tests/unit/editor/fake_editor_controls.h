#pragma once
// The dialog's controls as plain state, behaving as the real ones do for
// the calls the editor makes: a selection out of range or an emptied list
// clears the selection.

#include <array>
#include <vector>

#include "editor/editor_controls.h"

struct FakeList {
  std::vector<std::string> entries;
  int selection = -1;
  bool operator==(const FakeList&) const = default;
};

struct FakeEditorControls : EditorControls {
  void ResetContent(EditorList list) override { Get(list) = FakeList{}; }
  void AddString(EditorList list, const std::string& text) override {
    Get(list).entries.push_back(text);
  }
  int GetCount(EditorList list) const override {
    if (fail_item_count && list == EditorList::Items) return -1;
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
  void SetFocus(EditorList) override {}

  FakeList& Get(EditorList list) { return lists[static_cast<int>(list)]; }
  const FakeList& Get(EditorList list) const { return lists[static_cast<int>(list)]; }
  std::string& Box(EditorBox box) { return boxes[static_cast<int>(box)]; }

  // Each list with its selected entry starred, the three boxes, the check
  // box: "Keys*,Text / Enter*,Tab / Keys|Enter|[enter] / on".
  std::string Shown() const {
    std::string out;
    for (const FakeList& list : lists) {
      for (std::size_t i = 0; i < list.entries.size(); ++i) {
        out +=
            (i ? "," : "") + list.entries[i] + (static_cast<int>(i) == list.selection ? "*" : "");
      }
      out += " / ";
    }
    return out + boxes[0] + "|" + boxes[1] + "|" + boxes[2] + " / " + (checked ? "on" : "off");
  }

  std::array<FakeList, 2> lists;
  std::array<std::string, 3> boxes;  // submenu name, item name, item text
  bool checked = false;
  bool fail_item_count = false;  // LB_GETCOUNT of the item list fails
};
