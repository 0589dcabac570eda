// The data entry box and the foreground window around it.
#include <windows.h>

#include "playback/data_entry_dlg_win32.h"
#include "playback/playback_platform_win32.h"
#include "playback/target_rights_win32.h"

namespace {

HWND AsWindow(WindowId window) { return reinterpret_cast<HWND>(window); }

// A window of another program finishes its activation in its own time: key
// events injected before it has given the focus to one of its windows are
// lost. Waits (briefly) until it has.
void WaitUntilFocusArrives(HWND root) {
  const DWORD thread = GetWindowThreadProcessId(root, nullptr);
  if (thread == 0 || thread == GetCurrentThreadId()) return;
  constexpr int kSteps = 50;
  constexpr DWORD kStepMilliseconds = 10;
  for (int i = 0; i < kSteps; ++i) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) return;
    if (info.hwndActive == root && info.hwndFocus != nullptr) return;
    ::Sleep(kStepMilliseconds);
  }
}

}  // namespace

IntegrityLevels Win32PromptBox::LevelsOf(WindowId window) { return IntegrityLevelsOf(window); }

WindowId Win32PromptBox::GetForegroundWindow() {
  return reinterpret_cast<WindowId>(::GetForegroundWindow());
}

void Win32PromptBox::SetForegroundWindow(WindowId window) { BringWindowForward(window); }

DataEntryResult Win32PromptBox::RunDataEntry(const DataEntryRequest& request) {
  CDataEntryDlg dialog(request);
  return dialog.Run();
}

void BringWindowForward(WindowId window) {
  HWND target = AsWindow(window);
  if (target == nullptr || !IsWindow(target)) return;
  HWND root = GetAncestor(target, GA_ROOT);
  if (root == nullptr) root = target;
  ::SetForegroundWindow(root);
  if (root != target) {
    SetFocus(target);
  } else {
    WaitUntilFocusArrives(root);
  }
}
