#pragma once
// Playback carried out on Windows: injected input and the focus window's
// layout, the clipboard, the data entry box with the foreground around it,
// sleeping and message boxes.

#include "framework/message_box_win32.h"
#include "playback/ports.h"
#include "storage/non_copyable.h"

class Win32Keyboard : public Keyboard {
 public:
  LayoutId FocusLayout() override;
  std::optional<LayoutKey> KeyForChar(char16_t c, LayoutId layout) override;
  std::uint16_t ScanCode(std::uint8_t vk, LayoutId layout) override;
  void Send(std::span<const KeyInput> inputs) override;
};

class Win32Clipboard : public Clipboard {
 public:
  std::optional<ClipboardFailure> SetText(std::string_view text, WindowId owner) override;
  std::optional<KeptClipboard> Keep(WindowId owner) override;
  bool GiveBack(const KeptClipboard& kept, WindowId owner) override;
  std::uint32_t SequenceNumber() override;
};

class Win32PromptBox : public PromptBox {
 public:
  WindowId GetForegroundWindow() override;
  void SetForegroundWindow(WindowId window) override;
  IntegrityLevels LevelsOf(WindowId window) override;
  DataEntryResult RunDataEntry(const DataEntryRequest& request) override;
};

// Waits in short slices; meanwhile the program answers the messages that
// other programs send it (the tray's clicks among them, which the view keeps
// for the run's end) and repaints its windows. Everything posted to it (a
// key, a click into a window, the hotkey) waits until the run is over, so
// that nothing starts inside the run.
class Win32Clock : public Clock {
 public:
  void Sleep(std::uint32_t milliseconds, const RunControl& control) override;
};

class Win32PlaybackPlatform : private NonCopyable {
 public:
  Win32PlaybackPlatform() = default;

  PlaybackPorts Ports() { return {keyboard_, clipboard_, prompt_box_, messages_, clock_}; }

 private:
  Win32Keyboard keyboard_;
  Win32Clipboard clipboard_;
  Win32PromptBox prompt_box_;
  Win32MessageBoxes messages_;
  Win32Clock clock_;
};

// Brings a window to the front with the keyboard focus. For a child window
// (the view) its top-level window is activated and the child then given
// the focus, which is what makes the focus move on every system.
void BringWindowForward(WindowId window);
