// The keyboard and the clock.
#include "playback/playback_platform_win32.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "playback/sliced_wait.h"

namespace {

class Win32ResponsiveSlices : public SliceTimer {
 public:
  Win32ResponsiveSlices() { QueryPerformanceFrequency(&frequency_); }

  std::uint64_t NowMs() override {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    const auto ticks = static_cast<std::uint64_t>(now.QuadPart);
    const auto per_second = static_cast<std::uint64_t>(frequency_.QuadPart);
    return ticks / per_second * 1000 + ticks % per_second * 1000 / per_second;
  }

  void SleepSlice(std::uint32_t milliseconds) override {
    // Messages sent by other threads are handled inside the wait and the
    // peek; paint messages are taken and drawn.
    if (MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_SENDMESSAGE | QS_PAINT, 0) ==
        WAIT_TIMEOUT) {
      return;
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
      DispatchMessageA(&msg);
    }
  }

 private:
  LARGE_INTEGER frequency_{};
};

}  // namespace

LayoutId Win32Keyboard::FocusLayout() {
  const HWND focus = ::GetForegroundWindow();
  const DWORD thread = focus != nullptr ? GetWindowThreadProcessId(focus, nullptr) : 0;
  return reinterpret_cast<LayoutId>(GetKeyboardLayout(thread));
}

std::optional<LayoutKey> Win32Keyboard::KeyForChar(char16_t c, LayoutId layout) {
  const auto hkl = reinterpret_cast<HKL>(layout);
  // Windows gives a line feed the Enter key (with Ctrl) on every layout; some
  // hosts that run Windows programs report Ctrl+J instead, which would type
  // a "j" wherever a line break was meant. Answer as Windows does.
  if (c == u'\n') return LayoutKey{VK_RETURN, false, true, false, false};
  const SHORT found = VkKeyScanExW(static_cast<WCHAR>(c), hkl);
  if (found == -1) return std::nullopt;
  const auto vk = static_cast<std::uint8_t>(found & 0xFF);
  const auto state = static_cast<unsigned>((found >> 8) & 0xFF);
  // Shift, Ctrl and Alt only; the states beyond them (Kana and the like)
  // cannot be pressed as keys.
  if ((state & ~7u) != 0) return std::nullopt;
  // The layout marks a dead key by the top bit of its plain character. A
  // key that is dead without modifiers is taken as dead with them too: its
  // character then goes as itself, which is never wrong.
  const bool dead = (MapVirtualKeyExW(vk, MAPVK_VK_TO_CHAR, hkl) & 0x80000000u) != 0;
  return LayoutKey{vk, (state & 1u) != 0, (state & 2u) != 0, (state & 4u) != 0, dead};
}

std::uint16_t Win32Keyboard::ScanCode(std::uint8_t vk, LayoutId layout) {
  return static_cast<std::uint16_t>(
      MapVirtualKeyExW(vk, MAPVK_VK_TO_VSC, reinterpret_cast<HKL>(layout)) & 0xFF);
}

void Win32Keyboard::Send(std::span<const KeyInput> inputs) {
  std::array<INPUT, 256> events{};
  const std::size_t count = std::min(inputs.size(), events.size());
  for (std::size_t i = 0; i < count; ++i) {
    const KeyInput& input = inputs[i];
    KEYBDINPUT& key = events[i].ki;
    events[i].type = INPUT_KEYBOARD;
    key.wVk = input.vk;
    key.wScan = input.scan;
    key.dwFlags = (input.release ? KEYEVENTF_KEYUP : 0) |
                  (input.extended ? KEYEVENTF_EXTENDEDKEY : 0) |
                  (input.unicode ? KEYEVENTF_UNICODE : 0);
  }
  SendInput(static_cast<UINT>(count), events.data(), sizeof(INPUT));
}

void Win32Clock::Sleep(std::uint32_t milliseconds, const RunControl& control) {
  Win32ResponsiveSlices slices;
  WaitInSlices(slices, milliseconds, control);
}
