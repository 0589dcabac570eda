#pragma once
// The Edit SubMenus dialog's real controls behind the editor's controls
// interface. Every change made through this object is made from the code:
// the notifications the controls raise meanwhile (a name box's EN_CHANGE
// on SetWindowTextA) are to be ignored by the dialog, because the editor
// raises the handlers it needs itself.

#include <windows.h>

#include <string>

#include "editor/editor_controls.h"
#include "storage/non_copyable.h"

class Win32EditorControls : public EditorControls, private NonCopyable {
 public:
  Win32EditorControls() = default;

  // Finds the controls of an Edit SubMenus dialog.
  void Bind(HWND dialog);

  // True while a change made from the code is under way.
  bool ChangingFromCode() const { return changesUnderWay_ > 0; }

  void ResetContent(EditorList list) override;
  void AddString(EditorList list, const std::string& text) override;
  int GetCount(EditorList list) const override;
  int GetCurSel(EditorList list) const override;
  void SetCurSel(EditorList list, int index) override;
  void SetText(EditorBox box, const std::string& text) override;
  std::string GetText(EditorBox box) const override;
  bool GetCheck() const override;
  void SetCheck(bool checked) override;
  void SetFocus(EditorList list) override;

 private:
  // Marks the time of one change from the code.
  class CodeChange {
   public:
    explicit CodeChange(int& counter) : counter_(counter) { ++counter_; }
    ~CodeChange() { --counter_; }
    CodeChange(const CodeChange&) = delete;
    CodeChange& operator=(const CodeChange&) = delete;

   private:
    int& counter_;
  };

  HWND List(EditorList list) const;
  HWND Box(EditorBox box) const;
  LRESULT SendToList(EditorList list, UINT message, WPARAM wParam, LPARAM lParam);

  HWND checkChain = nullptr;
  HWND editSubMenuName = nullptr;
  HWND editItemName = nullptr;
  HWND editItemText = nullptr;
  HWND listSubMenus = nullptr;
  HWND listItems = nullptr;
  int changesUnderWay_ = 0;
};
