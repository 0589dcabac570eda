// The keyboard and the clock.
#include "playback/playback_platform_win32.h"

#include <windows.h>

void Win32Keyboard::KeyEvent(std::uint8_t vk, bool release) {
  keybd_event(vk, 0, release ? KEYEVENTF_KEYUP : 0, 0);
}

std::int16_t Win32Keyboard::KeyForChar(char c) {
  // Windows gives a line feed the Enter key (with Ctrl) on every layout; some
  // hosts that run Windows programs report Ctrl+J instead, which would type
  // a "j" wherever a line break was meant. Answer as Windows does.
  constexpr std::int16_t kCtrlEnter = 0x20D;
  if (c == '\n') return kCtrlEnter;
  return VkKeyScanA(c);
}

void Win32Clock::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }
