#pragma once
// Where a pick made from the keyboard types. The pick hotkey (and the
// search box) remember the window that had the keyboard focus when the key
// was pressed; a pick then sends the focus back there, to the control that
// had it, and the item types into it without a click. A pick from the tray
// icon's menu waits for the click into the target, as does a hotkey pick
// whose window has gone in the meantime.

#include <optional>

#include "playback/ports.h"

// A top-level window and the control inside it that had the focus (0 when
// the window itself had it).
struct FocusTarget {
  WindowId window = 0;
  WindowId control = 0;
  friend bool operator==(const FocusTarget&, const FocusTarget&) = default;
};

// Whether a window still exists.
class WindowPresence {
 public:
  virtual bool Exists(WindowId window) = 0;

 protected:
  ~WindowPresence() = default;
};

class FocusReturn {
 public:
  // The hotkey was pressed with the focus there (none: in a window of the
  // program, or nowhere).
  void Remember(std::optional<FocusTarget> focused) { target_ = focused; }
  // The menu was opened by a click on the tray icon.
  void Forget() { target_.reset(); }

  // An item was picked: where the focus is to go so that it types there,
  // once; nothing when the pick is to wait for a click.
  std::optional<FocusTarget> AfterPick(WindowPresence& windows);

 private:
  std::optional<FocusTarget> target_;
};
