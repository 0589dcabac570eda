#pragma once
// What playback needs of the operating system, split by what it does: the
// keyboard, the clipboard, the data entry box, the clock (and message boxes,
// framework/message_box.h). Each has a Windows implementation
// (playback_platform_win32.h) and a recording one (recording_platform.h); a
// test fakes only the ones it needs. The watch on the user's stop key has
// only a Windows one (stop_key_hook_win32.h).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/message_box.h"
#include "framework/virtual_keys.h"
#include "playback/run_control.h"
#include "playback/target_rights.h"

// An opaque window handle; 0 is none.
using WindowId = std::uintptr_t;

// A keyboard layout as the system names it; layouts differ by their id.
using LayoutId = std::uintptr_t;

// The key a layout types a character with, and the modifiers it asks for
// (Ctrl and Alt together are AltGr).
struct LayoutKey {
  std::uint8_t vk = 0;
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool dead = false;  // the key starts an accent that waits for the next key
  friend bool operator==(const LayoutKey&, const LayoutKey&) = default;
};

// One injected input event: a key, or a character sent as itself.
struct KeyInput {
  std::uint8_t vk = 0;     // 0 for a character event
  std::uint16_t scan = 0;  // the key's scan code, or the character's UTF-16 unit
  bool release = false;
  bool extended = false;  // the key's scan code has the extended prefix
  bool unicode = false;   // a character event
  friend bool operator==(const KeyInput&, const KeyInput&) = default;
};

class Keyboard {
 public:
  // The layout of the window that has the keyboard focus now.
  virtual LayoutId FocusLayout() = 0;
  // The layout's key for a character, or nothing when it has none.
  virtual std::optional<LayoutKey> KeyForChar(char16_t c, LayoutId layout) = 0;
  // The layout's scan code for a key; 0 when it has none.
  virtual std::uint16_t ScanCode(std::uint8_t vk, LayoutId layout) = 0;
  // Injects the events in order, in one go.
  virtual void Send(std::span<const KeyInput> inputs) = 0;
  // The releases of the keys a run left down, at its end.
  virtual void SendEndOfRun(std::span<const KeyInput> releases) { Send(releases); }

 protected:
  ~Keyboard() = default;
};

// The steps of putting a text on the clipboard, in order.
enum class ClipboardStep { alloc, lock, unlock, open, empty, set, close };

struct ClipboardFailure {
  ClipboardStep step = ClipboardStep::alloc;
  std::uint32_t last_error = 0;  // unlock: the system's error code
};

// What the clipboard held, kept to be given back: the bytes of each format
// that can be copied, by the format's number. Empty: the clipboard was.
struct ClipboardFormatBytes {
  std::uint32_t format = 0;
  std::string bytes;
  bool operator==(const ClipboardFormatBytes&) const = default;
};
using KeptClipboard = std::vector<ClipboardFormatBytes>;

class Clipboard {
 public:
  // Replaces the clipboard's contents with text (CF_TEXT, owned by the
  // window owner, kept out of the clipboard history and the cloud
  // clipboard) and tells which step failed, if one did. A failure before
  // "set" leaves the clipboard as it was; a failed "close" leaves the text on
  // it.
  virtual std::optional<ClipboardFailure> SetText(std::string_view text, WindowId owner) = 0;
  // What the clipboard holds now; nothing when it cannot be read whole.
  virtual std::optional<KeptClipboard> Keep(WindowId owner) = 0;
  // Puts kept contents back in place of what the clipboard holds; false
  // when that failed.
  virtual bool GiveBack(const KeptClipboard& kept, WindowId owner) = 0;
  // A number that changes with every change of the clipboard, by any program.
  virtual std::uint32_t SequenceNumber() = 0;

 protected:
  ~Clipboard() = default;
};

// The sentinel of a default text that means "no default set".
inline constexpr const char* kNoDefault = "NODEFAULT";

// One run of the data entry box: what it is shown with, what it gave back.
struct DataEntryRequest {
  int variable = 0;  // which variable the answer fills (0 .. 9)
  bool bMultiLine = false;
  std::string strPrompt;
  std::string strDefault;  // kNoDefault: none
};

struct DataEntryResult {
  bool ok = false;       // ended with OK
  std::string strValue;  // the text of the box that changed last
};

// The data entry box, and the foreground window that is handed to it and
// given back afterwards (and whose rights a run checks first).
class PromptBox {
 public:
  virtual WindowId GetForegroundWindow() = 0;
  virtual void SetForegroundWindow(WindowId window) = 0;
  // The integrity levels of this program and of the window's process.
  virtual IntegrityLevels LevelsOf(WindowId window) = 0;
  // Shows the box modally.
  virtual DataEntryResult RunDataEntry(const DataEntryRequest& request) = 0;

 protected:
  ~PromptBox() = default;
};

class Clock {
 public:
  // Waits that long, or less once the run is asked to stop: a wait in
  // progress then ends within 50 ms.
  virtual void Sleep(std::uint32_t milliseconds, const RunControl& control) = 0;

 protected:
  ~Clock() = default;
};

// Watches the user's keys for the stop key while a run goes on, and tells
// the run's control about them. It looks at no key at any other time.
class StopKeyWatch {
 public:
  virtual void Start(RunControl& control) = 0;
  virtual void Stop() = 0;

 protected:
  ~StopKeyWatch() = default;
};

// Everything one playback works through.
struct PlaybackPorts {
  Keyboard& keyboard;
  Clipboard& clipboard;
  PromptBox& prompt_box;
  MessageBoxPort& messages;
  Clock& clock;
};
