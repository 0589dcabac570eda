#include "hotkey/pick_hotkey.h"

#include <array>
#include <vector>

#include "framework/virtual_keys.h"
#include "storage/ascii_case.h"
#include "storage/utf8.h"

namespace {

struct Name {
  std::string_view text;
  unsigned value;
};

constexpr std::array<Name, 4> kModifiers = {{
    {"Ctrl", kModControl},
    {"Alt", kModAlt},
    {"Shift", kModShift},
    {"Win", kModWin},
}};

// The keys with names; letters, digits and F1 to F24 are read apart.
// Escape is not among them: it stops a running macro.
constexpr std::array<Name, 14> kNamedKeys = {{
    {"Space", kVkSpace},
    {"Tab", kVkTab},
    {"Enter", kVkReturn},
    {"Insert", kVkInsert},
    {"Delete", kVkDelete},
    {"Home", kVkHome},
    {"End", kVkEnd},
    {"PageUp", kVkPrior},
    {"PageDown", kVkNext},
    {"Up", kVkUp},
    {"Down", kVkDown},
    {"Left", kVkLeft},
    {"Right", kVkRight},
    {"Pause", kVkPause},
}};

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<unsigned> Modifier(std::string_view name) {
  if (EqualsIgnoringCase(name, "Control")) return kModControl;
  if (EqualsIgnoringCase(name, "Windows")) return kModWin;
  for (const Name& modifier : kModifiers) {
    if (EqualsIgnoringCase(name, modifier.text)) return modifier.value;
  }
  return std::nullopt;
}

std::optional<std::uint8_t> Key(std::string_view name) {
  if (name.size() == 1) {
    const char c = UpperAscii(name[0]);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<std::uint8_t>(c);
  }
  if (const std::optional<std::uint8_t> vk = FunctionKey(name)) return vk;
  for (const Name& key : kNamedKeys) {
    if (EqualsIgnoringCase(name, key.text)) return static_cast<std::uint8_t>(key.value);
  }
  return std::nullopt;
}

std::string Quoted(std::string_view text) {
  // Long enough for any key; control bytes would garble the status bar.
  constexpr std::size_t kShown = 40;
  std::string quoted = "\"";
  for (const char c : Utf8Prefix(text, kShown)) {
    quoted += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  }
  if (text.size() > kShown) quoted += "...";
  return quoted + "\"";
}

HotkeySetting Refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

}  // namespace

HotkeySetting ParseHotkey(std::string_view text) {
  text = Trimmed(text);
  if (text.empty() || EqualsIgnoringCase(text, "None")) return {};

  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t plus = text.find('+', start);
    parts.push_back(Trimmed(text.substr(start, plus - start)));
    if (plus == std::string_view::npos) break;
    start = plus + 1;
  }

  Hotkey hotkey;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    if (parts[i].empty()) return Refused("a name is missing next to a \"+\"");
    const std::optional<unsigned> modifier = Modifier(parts[i]);
    if (!modifier) {
      return Refused("only Ctrl, Alt, Shift and Win may come before the key, not " +
                     Quoted(parts[i]));
    }
    if ((hotkey.modifiers & *modifier) != 0) return Refused(Quoted(parts[i]) + " is given twice");
    hotkey.modifiers |= *modifier;
  }
  const std::string_view last = parts.back();
  if (last.empty()) return Refused("a name is missing next to a \"+\"");
  if (Modifier(last)) return Refused("it names no key after the modifiers");
  const std::optional<std::uint8_t> vk = Key(last);
  if (!vk) return Refused(Quoted(last) + " is not a key name Zorvakomat knows");
  hotkey.vk = *vk;
  if (!FunctionKeyNumber(hotkey.vk) &&
      (hotkey.modifiers & (kModControl | kModAlt | kModWin)) == 0) {
    return Refused("a key other than F1 to F24 needs Ctrl, Alt or Win with it");
  }
  return {hotkey, {}};
}

std::string HotkeyText(Hotkey key) {
  std::string text;
  for (const Name& modifier : kModifiers) {
    if ((key.modifiers & modifier.value) != 0) text += std::string(modifier.text) + "+";
  }
  if (const std::optional<int> n = FunctionKeyNumber(key.vk))
    return text + "F" + std::to_string(*n);
  for (const Name& named : kNamedKeys) {
    if (named.value == key.vk) return text + std::string(named.text);
  }
  return text + static_cast<char>(key.vk);
}

HotkeyReading ReadHotkey(ProfilePort& settings, const HotkeyRole& role, std::optional<Hotkey> taken,
                         const HotkeyRole& takenBy) {
  HotkeyReading reading{settings.ReadString(kPickHotkeySection, role.entry, role.default_text), {}};
  reading.setting = ParseHotkey(reading.text);
  if (taken && reading.setting.key == taken) {
    reading.setting = Refused(std::string("it is the key of the ") + takenBy.entry + " setting");
  }
  return reading;
}

std::string HotkeyRefusedMessage(std::string_view text, const std::string& refusal,
                                 const HotkeyRole& role) {
  return std::string("The ") + role.entry + " setting " + Quoted(text) +
         " is not used: " + refusal + ". No key opens " + role.opens +
         " until the setting is corrected.";
}

std::string HotkeyTakenMessage(Hotkey key, const HotkeyRole& role) {
  return HotkeyText(key) + " is in use by another program, so it does not open " + role.opens +
         ". Choose another key in the " + role.entry + " setting.";
}
