#include "view/focus_return_win32.h"

#include <windows.h>

#include "storage/non_copyable.h"

namespace {

HWND AsWindow(WindowId window) { return reinterpret_cast<HWND>(window); }
WindowId AsWindowId(HWND window) { return reinterpret_cast<WindowId>(window); }

// This thread's input joined to another thread's for as long as it lives.
class ThreadInputJoin : private NonCopyable {
 public:
  explicit ThreadInputJoin(DWORD other) : ours_(GetCurrentThreadId()), other_(other) {
    joined_ = other_ != 0 && other_ != ours_ && AttachThreadInput(ours_, other_, TRUE) != 0;
  }
  ~ThreadInputJoin() {
    if (joined_) AttachThreadInput(ours_, other_, FALSE);
  }

 private:
  DWORD ours_;
  DWORD other_;
  bool joined_ = false;
};

}  // namespace

std::optional<FocusTarget> FocusOfAnotherProgram() {
  HWND foreground = GetForegroundWindow();
  if (foreground == nullptr) return std::nullopt;
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(foreground, &process);
  if (process == GetCurrentProcessId()) return std::nullopt;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND control = nullptr;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr &&
      GetAncestor(info.hwndFocus, GA_ROOT) == foreground) {
    control = info.hwndFocus;
  }
  return FocusTarget{AsWindowId(foreground), control == foreground ? 0 : AsWindowId(control)};
}

bool Win32WindowPresence::Exists(WindowId window) { return IsWindow(AsWindow(window)) != 0; }

void ReturnFocus(FocusTarget target) {
  HWND window = AsWindow(target.window);
  const ThreadInputJoin join(GetWindowThreadProcessId(window, nullptr));
  SetForegroundWindow(window);
  SetFocus(target.control != 0 ? AsWindow(target.control) : window);
}
