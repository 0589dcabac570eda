#pragma once
// How a character, a key tap and the paste keys become key events, as pure
// functions: given the layout's key for a character and the keys the macro
// holds down, the ordered presses and releases to send.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "playback/ports.h"

// A key pressed or released, or (unit not 0) a character sent as itself.
struct KeyStroke {
  std::uint8_t vk = 0;
  bool release = false;
  char16_t unit = 0;
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// At most eight events (three modifiers, the key, the key, the modifiers),
// kept without a heap.
class KeyStrokes {
 public:
  void Add(std::uint8_t vk, bool release) { strokes_[count_++] = {vk, release, 0}; }
  void AddUnit(char16_t unit, bool release) { strokes_[count_++] = {0, release, unit}; }
  const KeyStroke* begin() const { return strokes_.data(); }
  const KeyStroke* end() const { return strokes_.data() + count_; }
  std::size_t size() const { return count_; }

 private:
  std::array<KeyStroke, 8> strokes_{};
  std::size_t count_ = 0;
};

// The keys down at the moment, by virtual-key code.
using HeldKeys = std::bitset<256>;

// How TypeChar decides to skip a character's key.
enum class Guard {
  byKey,        // skip when the layout's key for it is Enter (CR and LF)
  byCharacter,  // skip only a carriage return; a line feed taps Enter
};

// Whether a key's scan code carries the extended prefix: the arrows,
// Insert, Delete, Home, End, Page Up and Down, right Ctrl and Alt, the
// Windows and Applications keys, Num Lock and the numeric pad's Divide.
bool IsExtendedKey(std::uint8_t vk);

// A press and a release.
KeyStrokes TapKeyStrokes(std::uint8_t vk);

// A character typed, key the layout's key for it. With a key, the
// modifiers it asks for (Shift, and Ctrl with Alt for AltGr) are pressed
// around it, each unless the macro holds it already. Without one, or with
// only a dead key, the character goes as itself: one UTF-16 unit, or the
// two of a surrogate pair beyond U+FFFF. The character 0 types nothing.
KeyStrokes CharacterKeyStrokes(char32_t c, Guard guard, const std::optional<LayoutKey>& key,
                               const HeldKeys& held);

// Ctrl (unless the macro holds it) around a tap of V.
KeyStrokes PasteKeyStrokes(const HeldKeys& held);
