#include "playback/key_strokes.h"

#include "playback/ports.h"

namespace {

std::uint8_t LowByte(std::int16_t layout_key) {
  return static_cast<std::uint8_t>(layout_key & 0xFF);
}

}  // namespace

bool IsInShiftSet(char c) {
  if (static_cast<signed char>(c) < 0) return false;
  if (c >= 'A' && c <= 'Z') return true;
  switch (c) {
    case '!':
    case '"':
    case '#':
    case '$':
    case '%':
    case '&':
    case '(':
    case ')':
    case '*':
    case '+':
    case ':':
    case '<':
    case '>':
    case '?':
    case '@':
    case '^':
    case '_':
    case '{':
    case '|':
    case '}':
    case '~':
      return true;
    default:
      return false;
  }
}

KeyStrokes TapKeyStrokes(std::uint8_t vk) {
  KeyStrokes strokes;
  strokes.Add(vk, false);
  strokes.Add(vk, true);
  return strokes;
}

KeyStrokes CharacterKeyStrokes(char c, Guard guard, std::int16_t layout_key) {
  KeyStrokes strokes;
  const bool shift = IsInShiftSet(c);
  if (shift) strokes.Add(kVkShift, false);
  const std::uint8_t key = LowByte(layout_key);
  const bool skip = guard == Guard::byKey ? key == kVkReturn : c == '\r';
  if (!skip) {
    strokes.Add(key, false);
    strokes.Add(key, true);
  }
  if (shift) strokes.Add(kVkShift, true);
  return strokes;
}

KeyStrokes PasteKeyStrokes(std::int16_t layout_key_of_v) {
  KeyStrokes strokes;
  strokes.Add(kVkControl, false);
  strokes.Add(LowByte(layout_key_of_v), false);
  strokes.Add(LowByte(layout_key_of_v), true);
  strokes.Add(kVkControl, true);
  return strokes;
}
