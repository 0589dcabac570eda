#pragma once
// Message boxes shown by Windows, owned by a window of the program.

#include <cstdint>

#include "framework/message_box.h"

class Win32MessageBoxes : public MessageBoxPort {
 public:
  // owner: the window that owns the boxes (0 for the active window).
  explicit Win32MessageBoxes(std::uintptr_t owner = 0) : owner_(owner) {}
  void SetOwner(std::uintptr_t owner) { owner_ = owner; }

  int AfxMessageBox(const std::string& text, unsigned type = MB::kOk) override;

 private:
  std::uintptr_t owner_;
};
