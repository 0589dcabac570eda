#pragma once
// A working copy, the fake controls and an editor over them, with helpers
// to fill the working copy and read what the dialog shows.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/macro_data.h"
#include "editor/submenu_editor.h"
#include "fake_editor_controls.h"
#include "support/document_builder.h"
#include "support/scripted_ports.h"

struct EditorTest : ::testing::Test {
  std::unique_ptr<MacroData> data = std::make_unique<MacroData>();
  FakeEditorControls controls;
  ScriptedMessageBoxes messages;
  RecordingShell help;
  SubMenuEditor editor{*data, controls, messages, help};
  EditorUser user{controls, editor};

  // Appends a submenu with its items to the working copy.
  void AddSubMenu(const std::string& name, const std::vector<TestItem>& items = {}) {
    DocumentBuilder().SubMenu(name, items).AddTo(*data);
  }

  void Open() { EXPECT_TRUE(editor.OnInitDialog()); }

  const std::vector<std::string>& Entries(EditorList list) { return controls.Get(list).entries; }
  int Selection(EditorList list) { return controls.Get(list).selection; }
  const std::string& Box(EditorBox box) { return controls.Box(box); }

  // The messages shown since the last call.
  std::vector<ShownMessage> TakeMessages() { return messages.Take(); }

  std::string ItemName(int s, int j) { return data->strSubMenuItemName[ItemSlot(s, j)]; }
  std::string ItemText(int s, int j) { return data->strSubMenuItemText[ItemSlot(s, j)]; }
  int Chain(int s, int j) { return data->bChainToNext[ItemSlot(s, j)]; }
};

// Every field and every slot alike.
inline bool SameContent(const MacroData& a, const MacroData& b) {
  return a.nNumSubMenus == b.nNumSubMenus && a.nNumSubMenuItems == b.nNumSubMenuItems &&
         a.bChainToNext == b.bChainToNext && a.strSubMenuName == b.strSubMenuName &&
         a.strSubMenuItemName == b.strSubMenuItemName &&
         a.strSubMenuItemText == b.strSubMenuItemText;
}

inline const char* const kSelectSubMenuAndItem = "You must select a SubMenu and a SubMenu Item.";
inline const char* const kCreateSubMenuFirst =
    "You must first create a new SubMenu entry by pressing the New Sub button.";
inline const char* const kTooManySubMenus =
    "Error:  Too many submenus.  Delete one or more before attempting to add a new SubMenu.";
inline const char* const kSelectSubMenuForItem =
    "Error:  You must select a SubMenu in the SubMenu List Box";
inline const char* const kTooManyItems =
    "Error:  To many submenu items.  Delete one or more submenu items from this submenu before "
    "attempting to add any new items.";
inline const char* const kSelectSubMenuToDelete =
    "Error:  You must first select the SubMenu you wish to delete in the SubMenu list box.";
inline const char* const kSelectItemToDelete =
    "Error:  You must first select the Item you wish to delete in the SubMenu Item list box.";
inline const char* const kSelectBeforeChaining =
    "Please select items in both the SubMenu and SubMenu Item list boxes above before clicking "
    "this control.";
