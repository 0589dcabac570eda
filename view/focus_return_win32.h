#pragma once
// The focus found and given back on Windows, for a pick made from the
// keyboard.

#include <optional>

#include "view/focus_return.h"

// The foreground window and the control in it with the keyboard focus;
// none when that is a window of this program, or there is none.
std::optional<FocusTarget> FocusOfAnotherProgram();

class Win32WindowPresence : public WindowPresence {
 public:
  bool Exists(WindowId window) override;
};

// Brings the window to the front and gives its control the focus. The
// window belongs to another thread: the input of this thread is joined to
// its thread for the moment of the change, as the system lets only the
// foreground thread move the focus.
void ReturnFocus(FocusTarget target);
