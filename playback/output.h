#pragma once
// The output primitives of playback. Every effect a run has passes through
// here: key events, waits, the clipboard with its failure messages, message
// boxes and the data entry box with the foreground around it. Once the run
// is asked to stop, none of them happens any more.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "playback/key_strokes.h"
#include "playback/layout_cache.h"
#include "playback/ports.h"
#include "playback/run_control.h"
#include "storage/non_copyable.h"

class Output : private NonCopyable {
 public:
  // own_window: the view's window, the clipboard's owner and the window
  // brought forward for a prompt.
  Output(const PlaybackPorts& ports, RunControl& control, WindowId own_window);

  void SetOwnWindow(WindowId window) { own_window_ = window; }
  WindowId OwnWindow() const { return own_window_; }

  // A step of a run begins: the focus window's layout is looked up again
  // when next needed.
  void BeginStep() { layout_.Forget(); }

  void TapKey(std::uint8_t vk);
  void TypeChar(char32_t c, Guard guard);
  // Each character of a UTF-8 text in turn (a byte that starts none as
  // U+FFFD), until the run stops.
  void TypeText(std::string_view text, Guard guard);
  void PressKey(std::uint8_t vk);    // one press only (modifier tokens)
  void ReleaseKey(std::uint8_t vk);  // one release only
  // Ctrl+V (the V key on every layout); SendPasteKeys then waits 250 ms, the "[paste]" token does
  // not.
  void SendPasteKeysNoWait();
  void SendPasteKeys();
  void Sleep(std::uint32_t milliseconds);

  // Replaces the clipboard's contents; a failure is shown. True when the
  // clipboard changed (the text is on it, or it was emptied).
  bool SetClipboardText(std::string_view text);
  // Pastes text through the clipboard: the text put on it, the paste keys
  // and their wait. With the clipboard given back (SetGiveBackClipboard),
  // what it held before is kept first and put back after the wait, unless
  // another program changed the clipboard meanwhile; a stopped run gives
  // it back too.
  void PasteText(std::string_view text);
  void SetGiveBackClipboard(bool giveBack) { give_back_clipboard_ = giveBack; }
  void ShowMessage(const std::string& text, unsigned type);

  WindowId GetForegroundWindow();
  // Whether keys sent now reach the foreground window (its process runs
  // with no more rights than the program's).
  bool ForegroundTakesKeys();
  void SetForegroundWindow(WindowId window);
  // Nothing when the run was stopped before the box could show.
  std::optional<DataEntryResult> RunDataEntry(const DataEntryRequest& request);

  bool Stopped() const { return control_.StopRequested(); }
  // Releases every key playback pressed and has not released yet (the
  // modifiers of "[CTRL]", "[shift]", "[alt]"), so that none stays down at
  // the end of a run, however it ended.
  void ReleaseHeldKeys();

 private:
  // The one place key events leave, each with its scan code. A character
  // or a tap goes out whole, in one go, or not at all.
  void Send(const KeyStrokes& strokes);
  KeyInput Input(KeyStroke stroke);

  PlaybackPorts ports_;
  RunControl& control_;
  WindowId own_window_;
  LayoutCache layout_;
  HeldKeys held_;
  bool give_back_clipboard_ = false;
};
