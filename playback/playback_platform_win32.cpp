// The keyboard and the clock.
#include "playback/playback_platform_win32.h"

#include <windows.h>

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

void Win32Clock::Sleep(std::uint32_t milliseconds, const RunControl& control) {
  Win32ResponsiveSlices slices;
  WaitInSlices(slices, milliseconds, control);
}
