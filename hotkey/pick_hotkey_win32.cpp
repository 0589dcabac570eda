#include "hotkey/pick_hotkey_win32.h"

PickHotkeyRegistration::PickHotkeyRegistration(ProfilePort& settings, HWND window,
                                               const HotkeyRole& role, std::optional<Hotkey> taken)
    : window_(window), id_(role.id) {
  const HotkeyReading reading = ReadHotkey(settings, role, taken);
  const HotkeySetting& setting = reading.setting;
  if (!setting.key) {
    if (!setting.refusal.empty())
      problem_ = HotkeyRefusedMessage(reading.text, setting.refusal, role);
    return;
  }
  // Held down, the key opens the menu once.
  registered_ =
      RegisterHotKey(window_, id_, setting.key->modifiers | MOD_NOREPEAT, setting.key->vk) != 0;
  if (registered_) {
    key_ = setting.key;
  } else {
    problem_ = HotkeyTakenMessage(*setting.key, role);
  }
}

PickHotkeyRegistration::~PickHotkeyRegistration() {
  if (registered_) UnregisterHotKey(window_, id_);
}
