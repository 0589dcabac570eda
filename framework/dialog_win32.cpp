#include "framework/dialog_win32.h"

#include "framework/modal_window.h"
#include "framework/win_app_win32.h"
#include "framework/wnd_win32.h"

INT_PTR CDialog::DoModal() {
  HWND owner = parent_;
  if (owner == nullptr && AfxGetApp() != nullptr) owner = AfxGetApp()->GetMainWindow();
  const ModalWindowScope modal;
  return DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(template_id_), owner,
                         &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    // Bound first: notifications raised while initialising reach the object.
    auto* self = reinterpret_cast<CDialog*>(lParam);
    self->hwnd = dialog;
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return self->OnInitDialog();
  }
  auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (self->OnCommand(id, code)) return TRUE;
      if (id == IDOK && code == BN_CLICKED) {
        self->OnOK();
        return TRUE;
      }
      if (id == IDCANCEL) {
        self->OnCancel();
        return TRUE;
      }
      return FALSE;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      self->hwnd = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}
