#pragma once
// A hotkey of the program registered for the view's window, which then
// receives WM_HOTKEY with the role's id; released again when this goes.

#include <windows.h>

#include <optional>
#include <string>

#include "hotkey/pick_hotkey.h"
#include "settings/profile.h"
#include "storage/non_copyable.h"

class PickHotkeyRegistration : private NonCopyable {
 public:
  // Reads the setting and registers the key it names, unless it is the
  // key taken by another of the program's hotkeys.
  PickHotkeyRegistration(ProfilePort& settings, HWND window, const HotkeyRole& role = kPickHotkey,
                         std::optional<Hotkey> taken = std::nullopt);
  ~PickHotkeyRegistration();

  // What the status bar is to say: why no key opens what the hotkey
  // opens, or nothing when the key was registered or none was asked for.
  const std::string& Problem() const { return problem_; }
  // The key registered, if one was.
  std::optional<Hotkey> Key() const { return key_; }

 private:
  HWND window_;
  int id_;
  std::optional<Hotkey> key_;
  bool registered_ = false;
  std::string problem_;
};
