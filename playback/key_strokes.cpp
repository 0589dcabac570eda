#include "playback/key_strokes.h"

#include "framework/virtual_keys.h"
#include "storage/utf8.h"

bool IsExtendedKey(std::uint8_t vk) {
  switch (vk) {
    case kVkPrior:
    case kVkNext:
    case kVkEnd:
    case kVkHome:
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
    case kVkInsert:
    case kVkDelete:
    case kVkLeftWin:
    case kVkRightWin:
    case kVkApps:
    case kVkDivide:
    case kVkNumLock:
    case kVkRightControl:
    case kVkRightMenu:
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

KeyStrokes CharacterKeyStrokes(char32_t c, Guard guard, const std::optional<LayoutKey>& key,
                               const HeldKeys& held) {
  KeyStrokes strokes;
  if (c == 0) return strokes;
  if (!key || key->dead) {
    const Utf16Units units = ToUtf16(c);
    for (std::size_t i = 0; i < units.count; ++i) {
      strokes.AddUnit(units.units[i], false);
      strokes.AddUnit(units.units[i], true);
    }
    return strokes;
  }
  const bool skip = guard == Guard::byKey ? key->vk == kVkReturn : c == U'\r';
  if (skip) return strokes;
  // Ctrl or Alt alone makes a control character or a shortcut (the layout
  // puts a line feed on Ctrl+Enter): only AltGr types a character.
  const bool alt_gr = key->ctrl && key->alt;
  std::array<std::uint8_t, 3> modifiers{};
  std::size_t count = 0;
  const auto want = [&](bool wanted, std::uint8_t vk) {
    if (wanted && !held[vk]) modifiers[count++] = vk;
  };
  want(key->shift, kVkShift);
  want(alt_gr, kVkControl);
  want(alt_gr, kVkMenu);
  for (std::size_t i = 0; i < count; ++i) strokes.Add(modifiers[i], false);
  strokes.Add(key->vk, false);
  strokes.Add(key->vk, true);
  while (count > 0) strokes.Add(modifiers[--count], true);
  return strokes;
}

KeyStrokes PasteKeyStrokes(const HeldKeys& held) {
  KeyStrokes strokes;
  const bool press_ctrl = !held[kVkControl];
  if (press_ctrl) strokes.Add(kVkControl, false);
  strokes.Add(kVkV, false);
  strokes.Add(kVkV, true);
  if (press_ctrl) strokes.Add(kVkControl, true);
  return strokes;
}
