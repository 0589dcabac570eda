#include "hotkey/pick_hotkey_win32.h"

PickHotkeyRegistration::PickHotkeyRegistration(ProfilePort& settings, HWND window)
    : window_(window) {
  const std::string text =
      settings.ReadString(kPickHotkeySection, kPickHotkeyEntry, kDefaultPickHotkey);
  const HotkeySetting setting = ParseHotkey(text);
  if (!setting.key) {
    if (!setting.refusal.empty()) problem_ = HotkeyRefusedMessage(text, setting.refusal);
    return;
  }
  // Held down, the key opens the menu once.
  registered_ = RegisterHotKey(window_, kPickHotkeyId, setting.key->modifiers | MOD_NOREPEAT,
                               setting.key->vk) != 0;
  if (!registered_) problem_ = HotkeyTakenMessage(*setting.key);
}

PickHotkeyRegistration::~PickHotkeyRegistration() {
  if (registered_) UnregisterHotKey(window_, kPickHotkeyId);
}
