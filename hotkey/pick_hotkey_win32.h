#pragma once
// The pick hotkey registered for the view's window, which then receives
// WM_HOTKEY with kPickHotkeyId; released again when this goes.

#include <windows.h>

#include <string>

#include "hotkey/pick_hotkey.h"
#include "settings/profile.h"
#include "storage/non_copyable.h"

class PickHotkeyRegistration : private NonCopyable {
 public:
  // Reads the setting and registers the key it names.
  PickHotkeyRegistration(ProfilePort& settings, HWND window);
  ~PickHotkeyRegistration();

  // What the status bar is to say: why no key opens the pick menu, or
  // nothing when the key was registered or none was asked for.
  const std::string& Problem() const { return problem_; }

 private:
  HWND window_;
  bool registered_ = false;
  std::string problem_;
};
