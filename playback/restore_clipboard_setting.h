#pragma once
// The RestoreClipboard setting (a string under Settings, read at start):
// whether a paste gives the clipboard back. On by default; 0, Off, No or
// False turn it off, 1, On, Yes or True keep it on, in any letter case
// (a DWORD value reads as its number). Any other value is not used: the
// setting stays on, and the status bar says why.

#include <string>

#include "settings/profile.h"

struct RestoreClipboardSetting {
  bool on = true;
  // What the status bar is to say; empty when the value was used.
  std::string problem;
};

RestoreClipboardSetting ReadRestoreClipboard(ProfilePort& settings);
