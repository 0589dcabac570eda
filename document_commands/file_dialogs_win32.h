#pragma once
// The common Open and Save As dialogs, owned by the main frame or, for the
// tray menu's Open, by the view.

#include <windows.h>

#include "document_commands/file_dialog.h"

class Win32FileDialogs : public FileDialogPort {
 public:
  void SetOwners(HWND frame, HWND view) {
    frame_ = frame;
    view_ = view;
  }

  std::optional<std::string> Show(const FileDialogRequest& request) override;

 private:
  HWND frame_ = nullptr;
  HWND view_ = nullptr;
};
