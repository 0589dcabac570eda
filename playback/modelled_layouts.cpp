#include "playback/modelled_layouts.h"

#include <array>
#include <span>

#include "framework/virtual_keys.h"

namespace {

// A key that types characters: plain, with Shift, with AltGr (0: none);
// dead: which of the three are dead keys (1 plain, 2 Shift, 4 AltGr).
struct CharacterKey {
  std::uint8_t scan;
  std::uint8_t vk;
  char16_t plain;
  char16_t shifted;
  char16_t alt_gr;
  std::uint8_t dead = 0;
};

constexpr std::uint8_t kDeadPlain = 1;
constexpr std::uint8_t kDeadShifted = 2;
constexpr std::uint8_t kDeadAltGr = 4;

// A letter key: the capital with Shift.
constexpr CharacterKey Letter(std::uint8_t scan, char lower, char16_t alt_gr = 0) {
  const auto upper = static_cast<char16_t>(lower - 'a' + 'A');
  return {scan, static_cast<std::uint8_t>(upper), static_cast<char16_t>(lower), upper, alt_gr};
}

// The keys in the same place on all three layouts.
constexpr CharacterKey kCommonKeys[] = {
    {0x39, kVkSpace, u' ', u' ', 0},
    {0x0F, kVkTab, u'\t', 0, 0},
    {0x1C, kVkReturn, u'\r', 0, 0},
    {0x0E, kVkBack, u'\b', 0, 0},
    Letter(0x13, 'r'),
    Letter(0x14, 't'),
    Letter(0x16, 'u'),
    Letter(0x17, 'i'),
    Letter(0x18, 'o'),
    Letter(0x19, 'p'),
    Letter(0x1F, 's'),
    Letter(0x20, 'd'),
    Letter(0x21, 'f'),
    Letter(0x22, 'g'),
    Letter(0x23, 'h'),
    Letter(0x24, 'j'),
    Letter(0x25, 'k'),
    Letter(0x26, 'l'),
    Letter(0x2D, 'x'),
    Letter(0x2E, 'c'),
    Letter(0x2F, 'v'),
    Letter(0x30, 'b'),
    Letter(0x31, 'n'),
};

// AltGr+E is the euro sign on the French and German layouts.
constexpr char16_t kEuro = u'\u20AC';

constexpr CharacterKey kUsKeys[] = {
    {0x29, 0xC0, u'`', u'~', 0},
    {0x02, '1', u'1', u'!', 0},
    {0x03, '2', u'2', u'@', 0},
    {0x04, '3', u'3', u'#', 0},
    {0x05, '4', u'4', u'$', 0},
    {0x06, '5', u'5', u'%', 0},
    {0x07, '6', u'6', u'^', 0},
    {0x08, '7', u'7', u'&', 0},
    {0x09, '8', u'8', u'*', 0},
    {0x0A, '9', u'9', u'(', 0},
    {0x0B, '0', u'0', u')', 0},
    {0x0C, 0xBD, u'-', u'_', 0},
    {0x0D, 0xBB, u'=', u'+', 0},
    Letter(0x10, 'q'),
    Letter(0x11, 'w'),
    Letter(0x12, 'e'),
    Letter(0x15, 'y'),
    {0x1A, 0xDB, u'[', u'{', 0},
    {0x1B, 0xDD, u']', u'}', 0},
    {0x2B, 0xDC, u'\\', u'|', 0},
    Letter(0x1E, 'a'),
    {0x27, 0xBA, u';', u':', 0},
    {0x28, 0xDE, u'\'', u'"', 0},
    Letter(0x2C, 'z'),
    Letter(0x32, 'm'),
    {0x33, 0xBC, u',', u'<', 0},
    {0x34, 0xBE, u'.', u'>', 0},
    {0x35, 0xBF, u'/', u'?', 0},
};

constexpr CharacterKey kFrKeys[] = {
    {0x29, 0xDE, u'\u00B2', 0, 0},
    {0x02, '1', u'&', u'1', 0},
    {0x03, '2', u'\u00E9', u'2', u'~', kDeadAltGr},
    {0x04, '3', u'"', u'3', u'#'},
    {0x05, '4', u'\'', u'4', u'{'},
    {0x06, '5', u'(', u'5', u'['},
    {0x07, '6', u'-', u'6', u'|'},
    {0x08, '7', u'\u00E8', u'7', u'`', kDeadAltGr},
    {0x09, '8', u'_', u'8', u'\\'},
    {0x0A, '9', u'\u00E7', u'9', u'^'},
    {0x0B, '0', u'\u00E0', u'0', u'@'},
    {0x0C, 0xDB, u')', u'\u00B0', u']'},
    {0x0D, 0xBB, u'=', u'+', u'}'},
    Letter(0x10, 'a'),
    Letter(0x11, 'z'),
    Letter(0x12, 'e', kEuro),
    Letter(0x15, 'y'),
    {0x1A, 0xDD, u'^', u'\u00A8', 0, kDeadPlain | kDeadShifted},
    {0x1B, 0xBA, u'$', u'\u00A3', u'\u00A4'},
    Letter(0x1E, 'q'),
    Letter(0x27, 'm'),
    {0x28, 0xC0, u'\u00F9', u'%', 0},
    {0x2B, 0xDC, u'*', u'\u00B5', 0},
    {0x56, 0xE2, u'<', u'>', 0},
    Letter(0x2C, 'w'),
    {0x32, 0xBC, u',', u'?', 0},
    {0x33, 0xBE, u';', u'.', 0},
    {0x34, 0xBF, u':', u'/', 0},
    {0x35, 0xDF, u'!', u'\u00A7', 0},
};

constexpr CharacterKey kDeKeys[] = {
    {0x29, 0xDC, u'^', u'\u00B0', 0, kDeadPlain},
    {0x02, '1', u'1', u'!', 0},
    {0x03, '2', u'2', u'"', u'\u00B2'},
    {0x04, '3', u'3', u'\u00A7', u'\u00B3'},
    {0x05, '4', u'4', u'$', 0},
    {0x06, '5', u'5', u'%', 0},
    {0x07, '6', u'6', u'&', 0},
    {0x08, '7', u'7', u'/', u'{'},
    {0x09, '8', u'8', u'(', u'['},
    {0x0A, '9', u'9', u')', u']'},
    {0x0B, '0', u'0', u'=', u'}'},
    {0x0C, 0xDB, u'\u00DF', u'?', u'\\'},
    {0x0D, 0xDD, u'\u00B4', u'`', 0, kDeadPlain | kDeadShifted},
    Letter(0x10, 'q', u'@'),
    Letter(0x11, 'w'),
    Letter(0x12, 'e', kEuro),
    Letter(0x15, 'z'),
    {0x1A, 0xBA, u'\u00FC', u'\u00DC', 0},
    {0x1B, 0xBB, u'+', u'*', u'~'},
    Letter(0x1E, 'a'),
    {0x27, 0xC0, u'\u00F6', u'\u00D6', 0},
    {0x28, 0xDE, u'\u00E4', u'\u00C4', 0},
    {0x2B, 0xBF, u'#', u'\'', 0},
    {0x56, 0xE2, u'<', u'>', u'|'},
    Letter(0x2C, 'y'),
    Letter(0x32, 'm', u'\u00B5'),
    {0x33, 0xBC, u',', u';', 0},
    {0x34, 0xBE, u'.', u':', 0},
    {0x35, 0xBD, u'-', u'_', 0},
};

// Keys that type no character: the scan code of each virtual key.
struct ScanOnly {
  std::uint8_t vk;
  std::uint8_t scan;
};

constexpr std::array<ScanOnly, 27> kOtherKeys = {{
    {kVkEscape, 0x01},   {kVkShift, 0x2A},     {kVkControl, 0x1D}, {kVkMenu, 0x38},
    {kVkPause, 0x45},    {kVkPrior, 0x49},     {kVkNext, 0x51},    {kVkEnd, 0x4F},
    {kVkHome, 0x47},     {kVkLeft, 0x4B},      {kVkUp, 0x48},      {kVkRight, 0x4D},
    {kVkDown, 0x50},     {kVkInsert, 0x52},    {kVkDelete, 0x53},  {kVkLeftWin, 0x5B},
    {kVkRightWin, 0x5C}, {kVkApps, 0x5D},      {kVkDivide, 0x35},  {kVkNumLock, 0x45},
    {0xA0, 0x2A},        {0xA1, 0x36},         {0xA2, 0x1D},       {kVkRightControl, 0x1D},
    {0xA4, 0x38},        {kVkRightMenu, 0x38}, {0x14, 0x3A},
}};

// The function keys F1 .. F24.
constexpr std::array<std::uint8_t, kFunctionKeyCount> kFunctionScans = {
    0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x57, 0x58,
    0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x76};

std::span<const CharacterKey> OwnKeys(ModelledLayout layout) {
  switch (layout) {
    case ModelledLayout::fr:
      return kFrKeys;
    case ModelledLayout::de:
      return kDeKeys;
    case ModelledLayout::us:
      break;
  }
  return kUsKeys;
}

std::optional<LayoutKey> InKey(const CharacterKey& key, char16_t c) {
  if (c == 0) return std::nullopt;
  if (key.plain == c) return LayoutKey{key.vk, false, false, false, (key.dead & kDeadPlain) != 0};
  if (key.shifted == c)
    return LayoutKey{key.vk, true, false, false, (key.dead & kDeadShifted) != 0};
  if (key.alt_gr == c) return LayoutKey{key.vk, false, true, true, (key.dead & kDeadAltGr) != 0};
  return std::nullopt;
}

// The first of the layout's keys for which found holds.
template <typename Found>
const CharacterKey* FindKey(ModelledLayout layout, Found found) {
  for (const CharacterKey& key : OwnKeys(layout))
    if (found(key)) return &key;
  for (const CharacterKey& key : kCommonKeys)
    if (found(key)) return &key;
  return nullptr;
}

}  // namespace

std::optional<ModelledLayout> ModelledLayoutNamed(std::string_view name) {
  if (name == "us") return ModelledLayout::us;
  if (name == "fr") return ModelledLayout::fr;
  if (name == "de") return ModelledLayout::de;
  return std::nullopt;
}

std::optional<LayoutKey> ModelledKeyForChar(ModelledLayout layout, char16_t c) {
  // Windows gives a line feed Ctrl+Enter on every layout.
  if (c == u'\n') return LayoutKey{kVkReturn, false, true, false, false};
  const CharacterKey* key =
      FindKey(layout, [c](const CharacterKey& k) { return InKey(k, c).has_value(); });
  return key != nullptr ? InKey(*key, c) : std::nullopt;
}

std::uint16_t ModelledScanCode(ModelledLayout layout, std::uint8_t vk) {
  if (const auto number = FunctionKeyNumber(vk)) return kFunctionScans[*number - 1];
  for (const ScanOnly& key : kOtherKeys)
    if (key.vk == vk) return key.scan;
  const CharacterKey* key = FindKey(layout, [vk](const CharacterKey& k) { return k.vk == vk; });
  return key != nullptr ? key->scan : 0;
}
