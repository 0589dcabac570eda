#pragma once
// A PlaybackPlatform that records instead of acting: it keeps every effect
// in order, models a US English keyboard layout as Windows reports it,
// keeps a clipboard of its own, answers the data entry box from a queue of
// outcomes, and can make any single call fail on demand. The zvk trace
// command runs on it, and so do the playback tests.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "playback/playback_platform.h"

struct Effect {
  enum class Kind {
    keyDown,        // key: the virtual-key code
    keyUp,          // key
    sleep,          // number: milliseconds
    clipboard,      // text: what the clipboard now holds
    message,        // text, number: the box type
    prompt,         // request: what the data entry box was shown with
    setForeground,  // window
  };
  explicit Effect(Kind k) : kind(k) {}

  Kind kind;
  std::uint8_t key = 0;
  std::uint32_t number = 0;
  std::string text;
  DataEntryRequest request;
  WindowId window = 0;
};

// The calls that can be made to fail, one at a time.
enum class FailPoint {
  globalAlloc,
  globalLock,
  globalUnlock,  // returns 0 with a nonzero last error
  openClipboard,
  emptyClipboard,
  setClipboardData,
  closeClipboard,
};

// What the data entry box does when it is shown.
struct DataEntryAnswer {
  enum class Kind { answer, ok, cancel };
  Kind kind = Kind::cancel;
  std::string text;  // for answer
};

// The US English layout as Windows reports it (VkKeyScanA).
std::int16_t UsEnglishKeyForChar(char c);

class RecordingPlatform : public PlaybackPlatform {
 public:
  RecordingPlatform();
  ~RecordingPlatform() override;

  // --- Set-up ---
  void FailNext(FailPoint point) { failures_.push_back(point); }
  void QueueAnswer(DataEntryAnswer answer) { answers_.push_back(std::move(answer)); }
  void SetForegroundWindowId(WindowId window) { foreground_ = window; }
  void SetMessageBoxResult(int result) { messageBoxResult_ = result; }

  // --- What happened ---
  const std::vector<Effect>& Effects() const { return effects_; }
  void ClearEffects() { effects_.clear(); }
  // The clipboard's text, or nothing when it is empty.
  const std::optional<std::string>& ClipboardText() const { return clipboard_; }
  void SetClipboardContents(std::optional<std::string> text) { clipboard_ = std::move(text); }
  bool ClipboardIsOpen() const { return clipboardOpen_; }
  // Blocks allocated and neither freed nor handed to the clipboard.
  std::size_t LiveBlocks() const;
  WindowId ForegroundWindow() const { return foreground_; }

  // --- PlaybackPlatform ---
  int AfxMessageBox(const std::string& text, unsigned type) override;
  void KeyEvent(std::uint8_t vk, bool release) override;
  std::int16_t KeyForChar(char c) override;
  MemoryBlock GlobalAlloc(std::size_t bytes) override;
  char* GlobalLock(MemoryBlock block) override;
  int GlobalUnlock(MemoryBlock block) override;
  std::uint32_t LastError() override { return lastError_; }
  void GlobalFree(MemoryBlock block) override;
  bool OpenClipboard(WindowId owner) override;
  bool EmptyClipboard() override;
  bool SetClipboardData(MemoryBlock block) override;
  bool CloseClipboard() override;
  void Sleep(std::uint32_t milliseconds) override;
  WindowId GetForegroundWindow() override { return foreground_; }
  void SetForegroundWindow(WindowId window) override;
  DataEntryResult RunDataEntry(const DataEntryRequest& request) override;

 private:
  bool Fails(FailPoint point);

  struct Block {
    std::vector<char> bytes;
    bool locked = false;
    bool ownedByClipboard = false;
  };

  std::vector<Effect> effects_;
  std::deque<FailPoint> failures_;
  std::deque<DataEntryAnswer> answers_;
  std::map<MemoryBlock, std::unique_ptr<Block>> blocks_;
  MemoryBlock nextBlock_ = 1;
  std::uint32_t lastError_ = 0;
  std::optional<std::string> clipboard_;
  bool clipboardOpen_ = false;
  WindowId foreground_ = 0;
  int messageBoxResult_ = MB::IdOk;
};
