// Key taps, typed characters, single presses and releases, and Ctrl+V.
#include "playback/playback.h"
#include "playback/token_text.h"

namespace {

std::uint8_t LowByte(std::int16_t scan) { return static_cast<std::uint8_t>(scan & 0xFF); }

constexpr std::uint32_t kWaitAfterPaste = 250;

}  // namespace

void Playback::TapKey(std::uint8_t vk) {
  platform_.KeyEvent(vk, false);
  platform_.KeyEvent(vk, true);
}

void Playback::PressKey(std::uint8_t vk) { platform_.KeyEvent(vk, false); }

void Playback::ReleaseKey(std::uint8_t vk) { platform_.KeyEvent(vk, true); }

void Playback::TypeChar(char c, Guard guard) {
  const bool shift = IsInShiftSet(c);
  if (shift) platform_.KeyEvent(kVkShift, false);

  const bool skip = guard == Guard::byKey ? LowByte(platform_.KeyForChar(c)) == kVkReturn
                                          : c == '\r';
  if (!skip) {
    // The key is looked up afresh for the press and for the release.
    platform_.KeyEvent(LowByte(platform_.KeyForChar(c)), false);
    platform_.KeyEvent(LowByte(platform_.KeyForChar(c)), true);
  }

  if (shift) platform_.KeyEvent(kVkShift, true);
}

void Playback::SendPasteKeysNoWait() {
  platform_.KeyEvent(kVkControl, false);
  platform_.KeyEvent(LowByte(platform_.KeyForChar('v')), false);
  platform_.KeyEvent(LowByte(platform_.KeyForChar('v')), true);
  platform_.KeyEvent(kVkControl, true);
}

void Playback::SendPasteKeys() {
  SendPasteKeysNoWait();
  platform_.Sleep(kWaitAfterPaste);
}
