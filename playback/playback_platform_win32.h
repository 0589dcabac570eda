#pragma once
// Playback carried out on Windows: injected key events, the layout's key
// lookup, global memory and the clipboard, sleeping, the foreground window
// and the data entry box.

#include "framework/message_box_win32.h"
#include "playback/playback_platform.h"

class Win32PlaybackPlatform : public PlaybackPlatform {
 public:
  int AfxMessageBox(const std::string& text, unsigned type) override;
  void KeyEvent(std::uint8_t vk, bool release) override;
  std::int16_t KeyForChar(char c) override;
  MemoryBlock GlobalAlloc(std::size_t bytes) override;
  char* GlobalLock(MemoryBlock block) override;
  int GlobalUnlock(MemoryBlock block) override;
  std::uint32_t LastError() override;
  void GlobalFree(MemoryBlock block) override;
  bool OpenClipboard(WindowId owner) override;
  bool EmptyClipboard() override;
  bool SetClipboardData(MemoryBlock block) override;
  bool CloseClipboard() override;
  void Sleep(std::uint32_t milliseconds) override;
  WindowId GetForegroundWindow() override;
  void SetForegroundWindow(WindowId window) override;
  DataEntryResult RunDataEntry(const DataEntryRequest& request) override;

 private:
  Win32MessageBoxes messages_;
};

// Brings a window to the front with the keyboard focus. For a child window
// (the view) its top-level window is activated and the child then given
// the focus, which is what makes the focus move on every system.
void BringWindowForward(WindowId window);
