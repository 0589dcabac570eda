#include "playback/playback_platform_win32.h"

#include <windows.h>

#include "playback/data_entry_dlg_win32.h"

namespace {

HWND AsWindow(WindowId window) { return reinterpret_cast<HWND>(window); }
HGLOBAL AsMemory(MemoryBlock block) { return reinterpret_cast<HGLOBAL>(block); }

}  // namespace

int Win32PlaybackPlatform::AfxMessageBox(const std::string& text, unsigned type) {
  return messages_.AfxMessageBox(text, type);
}

void Win32PlaybackPlatform::KeyEvent(std::uint8_t vk, bool release) {
  keybd_event(vk, 0, release ? KEYEVENTF_KEYUP : 0, 0);
}

std::int16_t Win32PlaybackPlatform::KeyForChar(char c) {
  // Windows gives a line feed the Enter key (with Ctrl) on every layout; some
  // hosts that run Windows programs report Ctrl+J instead, which would type
  // a "j" wherever a line break was meant. Answer as Windows does.
  constexpr std::int16_t kCtrlEnter = 0x20D;
  if (c == '\n') return kCtrlEnter;
  return VkKeyScanA(c);
}

MemoryBlock Win32PlaybackPlatform::GlobalAlloc(std::size_t bytes) {
  return reinterpret_cast<MemoryBlock>(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes));
}

char* Win32PlaybackPlatform::GlobalLock(MemoryBlock block) {
  return static_cast<char*>(::GlobalLock(AsMemory(block)));
}

int Win32PlaybackPlatform::GlobalUnlock(MemoryBlock block) {
  // The last error is cleared first, so that a zero result with a zero
  // error means "unlocked" rather than an earlier call's failure.
  SetLastError(0);
  return ::GlobalUnlock(AsMemory(block));
}

std::uint32_t Win32PlaybackPlatform::LastError() { return ::GetLastError(); }

void Win32PlaybackPlatform::GlobalFree(MemoryBlock block) { ::GlobalFree(AsMemory(block)); }

bool Win32PlaybackPlatform::OpenClipboard(WindowId owner) {
  return ::OpenClipboard(AsWindow(owner)) != 0;
}

bool Win32PlaybackPlatform::EmptyClipboard() { return ::EmptyClipboard() != 0; }

bool Win32PlaybackPlatform::SetClipboardData(MemoryBlock block) {
  return ::SetClipboardData(CF_TEXT, AsMemory(block)) != nullptr;
}

bool Win32PlaybackPlatform::CloseClipboard() { return ::CloseClipboard() != 0; }

void Win32PlaybackPlatform::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

WindowId Win32PlaybackPlatform::GetForegroundWindow() {
  return reinterpret_cast<WindowId>(::GetForegroundWindow());
}

void Win32PlaybackPlatform::SetForegroundWindow(WindowId window) { BringWindowForward(window); }

DataEntryResult Win32PlaybackPlatform::RunDataEntry(const DataEntryRequest& request) {
  CDataEntryDlg dialog(request);
  return dialog.Run();
}

namespace {

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
