#pragma once
// The modal dialog base: a dialog made from a template of the program's
// resources, whose messages reach virtual handlers of the object.

#include <windows.h>

#include "storage/non_copyable.h"

class CDialog : private NonCopyable {
 public:
  // parent: the owner; none makes the application's main window the owner.
  explicit CDialog(int templateId, HWND parent = nullptr)
      : template_id_(templateId), parent_(parent) {}
  virtual ~CDialog() = default;

  // Runs the dialog; IDOK, IDCANCEL or what EndDialog was given (-1 when
  // the dialog could not be made).
  INT_PTR DoModal();

  HWND hwnd = nullptr;

 protected:
  // True: the dialog manager gives the focus to the first tab stop.
  virtual BOOL OnInitDialog() { return TRUE; }
  // A WM_COMMAND from a control or a button; true when handled.
  virtual bool OnCommand(int id, int notifyCode) {
    (void)id;
    (void)notifyCode;
    return false;
  }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  void EndDialog(INT_PTR result) { ::EndDialog(hwnd, result); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd, id); }

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  int template_id_;
  HWND parent_;
};
