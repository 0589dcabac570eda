#pragma once
// The output primitives of playback. Every effect a run has passes through
// here: key events, waits, the clipboard with its failure messages, message
// boxes and the data entry box with the foreground around it.

#include <cstdint>
#include <string>
#include <string_view>

#include "playback/key_strokes.h"
#include "playback/ports.h"

class Output {
 public:
  // own_window: the view's window, the clipboard's owner and the window
  // brought forward for a prompt.
  Output(const PlaybackPorts& ports, WindowId own_window);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void SetOwnWindow(WindowId window) { own_window_ = window; }
  WindowId OwnWindow() const { return own_window_; }

  void TapKey(std::uint8_t vk);
  void TypeChar(char c, Guard guard);
  void PressKey(std::uint8_t vk);    // one press only (modifier tokens)
  void ReleaseKey(std::uint8_t vk);  // one release only
  // Ctrl+V; SendPasteKeys then waits 250 ms, the "[paste]" token does not.
  void SendPasteKeysNoWait();
  void SendPasteKeys();
  void Sleep(std::uint32_t milliseconds);

  // Replaces the clipboard's contents; a failure is shown, not returned.
  void SetClipboardText(std::string_view text);
  void ShowMessage(const std::string& text, unsigned type);

  WindowId GetForegroundWindow();
  void SetForegroundWindow(WindowId window);
  DataEntryResult RunDataEntry(const DataEntryRequest& request);

 private:
  // The one place key events leave.
  void Send(KeyStroke stroke);
  void Send(const KeyStrokes& strokes);

  PlaybackPorts ports_;
  WindowId own_window_;
};
