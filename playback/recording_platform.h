#pragma once
// Playback ports that record instead of acting: each hands its effects to a
// sink as they happen. The keyboard models a US, French or German layout, the
// clipboard keeps a text of its own and can fail at any one step, the data
// entry box answers from a queue. The zvk trace command runs on them, and
// so do the playback tests. Kept clipboard contents are its text as
// format 1 (CF_TEXT); a text given back is written as a clipboard effect.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "playback/effect.h"
#include "playback/modelled_layouts.h"
#include "playback/ports.h"
#include "storage/non_copyable.h"

// The focus window types with one of the modelled layouts (US unless
// chosen); a byte of a macro's text is a Windows-1252 character.
class RecordingKeyboard : public Keyboard {
 public:
  explicit RecordingKeyboard(EffectSink& sink) : sink_(sink) {}
  void SetLayout(ModelledLayout layout) { layout_ = layout; }

  LayoutId FocusLayout() override { return static_cast<LayoutId>(layout_) + 1; }
  std::optional<LayoutKey> KeyForChar(char16_t c, LayoutId layout) override;
  std::uint16_t ScanCode(std::uint8_t vk, LayoutId layout) override;
  void Send(std::span<const KeyInput> inputs) override;
  void SendEndOfRun(std::span<const KeyInput> releases) override;

 private:
  EffectSink& sink_;
  ModelledLayout layout_ = ModelledLayout::us;
};

class RecordingClipboard : public Clipboard {
 public:
  explicit RecordingClipboard(EffectSink& sink) : sink_(sink) {}
  // The clipboard's text, or nothing when it is empty.
  const std::optional<std::string>& Text() const { return text_; }

  std::optional<ClipboardFailure> SetText(std::string_view text, WindowId owner) override;
  std::optional<KeptClipboard> Keep(WindowId owner) override;
  bool GiveBack(const KeptClipboard& kept, WindowId owner) override;
  std::uint32_t SequenceNumber() override { return sequence_; }

 private:
  friend struct PlaybackProbe;  // the tests' clipboard contents and failures

  EffectSink& sink_;
  std::optional<ClipboardStep> fail_next_;
  bool fail_keep_ = false;
  bool fail_give_back_ = false;
  std::optional<std::string> text_;
  std::uint32_t sequence_ = 0;
};

// What the data entry box does when it is shown.
struct DataEntryAnswer {
  enum class Kind { answer, ok, cancel };
  Kind kind = Kind::cancel;
  std::string text;  // for answer
};

class RecordingPromptBox : public PromptBox {
 public:
  explicit RecordingPromptBox(EffectSink& sink) : sink_(sink) {}
  // Answers for the boxes to come, in order; a box with none left is
  // cancelled.
  void QueueAnswer(DataEntryAnswer answer) { answers_.push_back(std::move(answer)); }

  WindowId GetForegroundWindow() override { return foreground_; }
  void SetForegroundWindow(WindowId window) override;
  // Alike for every window unless a test sets them.
  IntegrityLevels LevelsOf(WindowId) override { return levels; }
  IntegrityLevels levels;
  DataEntryResult RunDataEntry(const DataEntryRequest& request) override;

 private:
  EffectSink& sink_;
  std::deque<DataEntryAnswer> answers_;
  WindowId foreground_ = 0;
};

// Every box is answered with OK.
class RecordingMessageBoxes : public MessageBoxPort {
 public:
  explicit RecordingMessageBoxes(EffectSink& sink) : sink_(sink) {}
  int AfxMessageBox(const std::string& text, unsigned type) override;

 private:
  EffectSink& sink_;
};

class RecordingClock : public Clock {
 public:
  explicit RecordingClock(EffectSink& sink) : sink_(sink) {}
  // One "sleep" effect for the whole wait.
  void Sleep(std::uint32_t milliseconds, const RunControl& control) override;

 private:
  EffectSink& sink_;
};

// All of them over one sink.
class RecordingPlatform : private NonCopyable {
 public:
  explicit RecordingPlatform(EffectSink& sink)
      : keyboard_(sink), clipboard_(sink), prompt_box_(sink), messages_(sink), clock_(sink) {}

  PlaybackPorts Ports() { return {keyboard_, clipboard_, prompt_box_, messages_, clock_}; }
  RecordingKeyboard& KeyboardPort() { return keyboard_; }
  RecordingClipboard& ClipboardPort() { return clipboard_; }
  RecordingPromptBox& PromptBoxPort() { return prompt_box_; }

 private:
  RecordingKeyboard keyboard_;
  RecordingClipboard clipboard_;
  RecordingPromptBox prompt_box_;
  RecordingMessageBoxes messages_;
  RecordingClock clock_;
};
