#include "playback/stop_key_hook_win32.h"

#include <windows.h>

#include <atomic>
#include <future>
#include <system_error>

#include "framework/handles_win32.h"

namespace {

void Unhook(HHOOK hook) { UnhookWindowsHookEx(hook); }
using UniqueHook = UniqueHandle<HHOOK, Unhook>;

// The control the hook reports to; one run at a time.
std::atomic<RunControl*> watched{nullptr};

LRESULT CALLBACK OnLowLevelKey(int code, WPARAM message, LPARAM info) {
  if (code == HC_ACTION) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(info);
    if (RunControl* control = watched.load()) {
      control->OnKey(static_cast<std::uint8_t>(key->vkCode),
                     message == WM_KEYDOWN || message == WM_SYSKEYDOWN,
                     (key->flags & LLKHF_INJECTED) != 0);
    }
  }
  return CallNextHookEx(nullptr, code, message, info);
}

// The hook's thread: it answers the hook's calls until told to quit.
void WatchKeys(std::promise<DWORD> started) {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's message queue
  const UniqueHook hook(
      SetWindowsHookExA(WH_KEYBOARD_LL, OnLowLevelKey, GetModuleHandleA(nullptr), 0));
  started.set_value(hook ? GetCurrentThreadId() : 0);
  if (!hook) return;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
  }
}

}  // namespace

void Win32StopKeyHook::Start(RunControl& control) {
  Stop();
  watched.store(&control);
  std::promise<DWORD> started;
  std::future<DWORD> id = started.get_future();
  try {
    thread_ = std::thread(WatchKeys, std::move(started));
  } catch (const std::system_error&) {
    watched.store(nullptr);  // no thread to be had: the run goes on without
    return;
  }
  thread_id_ = id.get();
}

void Win32StopKeyHook::Stop() {
  if (!thread_.joinable()) return;
  if (thread_id_ != 0) PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
  thread_.join();
  thread_id_ = 0;
  watched.store(nullptr);
}
