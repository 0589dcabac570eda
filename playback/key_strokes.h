#pragma once
// How a character, a key tap and the paste keys become key events, as pure
// functions: given the layout's key for a character, the ordered presses
// and releases to send.

#include <array>
#include <cstddef>
#include <cstdint>

struct KeyStroke {
  std::uint8_t vk = 0;
  bool release = false;
  friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// At most four events (Shift, the key, the key, Shift), kept without a heap.
class KeyStrokes {
 public:
  void Add(std::uint8_t vk, bool release) { strokes_[count_++] = {vk, release}; }
  const KeyStroke* begin() const { return strokes_.data(); }
  const KeyStroke* end() const { return strokes_.data() + count_; }
  std::size_t size() const { return count_; }

 private:
  std::array<KeyStroke, 4> strokes_{};
  std::size_t count_ = 0;
};

// How TypeChar decides to skip a character's key.
enum class Guard {
  byKey,        // skip when the layout's key for it is Enter (CR and LF)
  byCharacter,  // skip only a carriage return; a line feed taps Enter
};

// Whether Shift is held to type c: the capitals and 21 punctuation marks,
// never a byte of 0x80 or above, whatever the layout says.
bool IsInShiftSet(char c);

// A press and a release.
KeyStrokes TapKeyStrokes(std::uint8_t vk);

// A character typed: Shift around it for the shift set, and the key in the
// low byte of layout_key (0xFF for a character the layout lacks) unless the
// guard skips it.
KeyStrokes CharacterKeyStrokes(char c, Guard guard, std::int16_t layout_key);

// Ctrl held around a tap of the key of the letter v.
KeyStrokes PasteKeyStrokes(std::int16_t layout_key_of_v);
