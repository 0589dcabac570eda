#pragma once
// What playback needs of the operating system, in portable types. The
// Windows implementation calls the real API one to one; the recording
// implementation (recording_platform.h) keeps the effects in order, models
// a US English keyboard layout and can make any single call fail.

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/message_box.h"

// An opaque window handle; 0 is none.
using WindowId = std::uintptr_t;
// An opaque global memory block; 0 is a failed allocation.
using MemoryBlock = std::uintptr_t;

constexpr std::uint8_t kVkBack = 0x08;
constexpr std::uint8_t kVkTab = 0x09;
constexpr std::uint8_t kVkReturn = 0x0D;
constexpr std::uint8_t kVkShift = 0x10;
constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkMenu = 0x12;

// One run of the data entry box: what it is shown with, what it gave back.
struct DataEntryRequest {
  int nVariable = 0;  // which variable the answer fills (0 .. 9)
  bool bMultiLine = false;
  std::string strPrompt;
  std::string strDefault;  // "NODEFAULT": none
};

struct DataEntryResult {
  bool ok = false;        // ended with OK
  std::string strValue;   // the text of the box that changed last
};

class PlaybackPlatform : public MessageBoxPort {
 public:
  // Keyboard: one injected key event (scan code 0, never extended).
  virtual void KeyEvent(std::uint8_t vk, bool release) = 0;
  // The layout's key for a character: key code in the low byte, shift
  // state in the high byte, -1 when the layout has none.
  virtual std::int16_t KeyForChar(char c) = 0;

  // Global memory, as the clipboard wants it.
  virtual MemoryBlock GlobalAlloc(std::size_t bytes) = 0;
  virtual char* GlobalLock(MemoryBlock block) = 0;
  // The raw result: 0 means unlocked, or failed when LastError() is nonzero.
  virtual int GlobalUnlock(MemoryBlock block) = 0;
  virtual std::uint32_t LastError() = 0;
  virtual void GlobalFree(MemoryBlock block) = 0;

  // The clipboard; SetClipboardText hands over a block as CF_TEXT.
  virtual bool OpenClipboard(WindowId owner) = 0;
  virtual bool EmptyClipboard() = 0;
  virtual bool SetClipboardData(MemoryBlock block) = 0;
  virtual bool CloseClipboard() = 0;

  virtual void Sleep(std::uint32_t milliseconds) = 0;

  virtual WindowId GetForegroundWindow() = 0;
  virtual void SetForegroundWindow(WindowId window) = 0;

  // Shows the data entry box modally.
  virtual DataEntryResult RunDataEntry(const DataEntryRequest& request) = 0;
};
