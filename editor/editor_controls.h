#pragma once
// The controls of the Edit SubMenus dialog as the editor sees them: two
// single-selection lists, three edit boxes and the chain check box. The
// Windows dialog drives its real controls through this; the unit tests use
// a fake that keeps the same state.
//
// These calls change controls and nothing more: they never raise a
// notification back into the editor. Where the dialog's controls would
// notify (a name box set from code), the editor calls its own handler.

#include <string>

enum class EditorList { SubMenus, Items };
enum class EditorBox { SubMenuName, ItemName, ItemText };

class EditorControls {
 public:
  virtual ~EditorControls() = default;

  // Lists: entries in the order added, at most one selected.
  virtual void ResetContent(EditorList list) = 0;  // empties it, no selection
  virtual void AddString(EditorList list, const std::string& text) = 0;
  virtual int GetCount(EditorList list) const = 0;   // below 0 on failure
  virtual int GetCurSel(EditorList list) const = 0;  // -1: no selection
  virtual void SetCurSel(EditorList list, int index) = 0;

  // Edit boxes, written and read whole.
  virtual void SetText(EditorBox box, const std::string& text) = 0;
  virtual std::string GetText(EditorBox box) const = 0;

  virtual bool GetCheck() const = 0;
  virtual void SetCheck(bool checked) = 0;

  virtual void SetFocus(EditorList list) = 0;
};
