#include "framework/message_box_win32.h"

#include <windows.h>

#include "framework/app_name.h"
#include "framework/modal_window.h"

int Win32MessageBoxes::AfxMessageBox(const std::string& text, unsigned type) {
  // A box that names no icon gets the exclamation icon.
  if ((type & MB::kIconMask) == 0) type |= MB::kIconExclamation;
  HWND owner = reinterpret_cast<HWND>(owner_);
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  if (owner == nullptr) owner = GetActiveWindow();
  const ModalWindowScope modal;
  return MessageBoxA(owner, text.c_str(), kAppName, type | MB_TASKMODAL * (owner == nullptr));
}
