// The pick hotkey setting: what it may say, and how a refusal reads.
#include <gtest/gtest.h>

#include <cstdio>

#include "hotkey/pick_hotkey.h"
#include "support/scripted_ports.h"

namespace {

// The key as written back with its modifier bits and virtual-key code,
// "none", or the reason the setting is refused.
std::string Outcome(const std::string& text) {
  const HotkeySetting setting = ParseHotkey(text);
  if (!setting.key) return setting.refusal.empty() ? "none" : setting.refusal;
  char codes[16];
  std::snprintf(codes, sizeof codes, " %x %02x", setting.key->modifiers, setting.key->vk);
  return HotkeyText(*setting.key) + codes;
}

TEST(PickHotkeyTest, ASettingNamesModifiersAndOneKeyInAnyCaseOrNoneElseItIsRefusedWithItsReason) {
  const std::string unknown = "\" is not a key name Zorvakomat knows",
                    missing = "a name is missing next to a \"+\"";
  const std::string rows[][2] = {
      {"Ctrl+Alt+Z", "Ctrl+Alt+Z 3 5a"},
      {" alt + CTRL +z ", "Ctrl+Alt+Z 3 5a"},
      {"Win+7", "Win+7 8 37"},
      {"Windows+Control+Shift+f9", "Ctrl+Shift+Win+F9 e 78"},
      {"F24", "F24 0 87"},
      {"Alt+Space", "Alt+Space 1 20"},
      {"Ctrl+pagedown", "Ctrl+PageDown 2 22"},
      {"", "none"},
      {" \t", "none"},
      {"nONE ", "none"},
      {"Ctrl+Alt+", missing},
      {"Ctrl++Z", missing},
      {"Ctrl+Alt", "it names no key after the modifiers"},
      {"Z+Ctrl", "only Ctrl, Alt, Shift and Win may come before the key, not \"Z\""},
      {"ctrl+Alt+CTRL+Z", "\"CTRL\" is given twice"},
      {"Ctrl+Alt+Escape", "\"Escape" + unknown},
      {"Ctrl+F25", "\"F25" + unknown},
      {"Ctrl+F01", "\"F01" + unknown},
      {"Shift+A", "a key other than F1 to F24 needs Ctrl, Alt or Win with it"},
  };
  for (const auto& [text, outcome] : rows) EXPECT_EQ(Outcome(text), outcome) << text;
  // Control bytes show as "?", and a long text is cut short.
  const std::string text = "Ctrl+\x01\n" + std::string(60, 'x');
  EXPECT_EQ(HotkeyRefusedMessage(text, ParseHotkey(text).refusal),
            "The PickHotkey setting \"Ctrl+??" + std::string(33, 'x') + "...\" is not used: \"??" +
                std::string(38, 'x') + "..." + unknown +
                ". No key opens the pick menu until the setting is corrected.");
}

// Each hotkey reads its own setting, with its own default, and its
// messages name its setting and what it opens; the search hotkey may not
// take the pick hotkey's key.
TEST(PickHotkeyTest, TheSearchHotkeyIsReadAndToldOfLikeThePickHotkey) {
  MemoryProfile settings;
  const auto outcome = [&](const HotkeyRole& role, std::optional<Hotkey> taken = std::nullopt) {
    const HotkeyReading reading = ReadHotkey(settings, role, taken);
    return reading.setting.key ? HotkeyText(*reading.setting.key)
                               : HotkeyRefusedMessage(reading.text, reading.setting.refusal, role);
  };
  EXPECT_EQ(outcome(kPickHotkey), "Ctrl+Alt+Z");
  EXPECT_EQ(outcome(kSearchHotkey), "Ctrl+Alt+Space");
  settings.values[{"Settings", "SearchHotkey"}] = "Ctrl+Alt+Z";
  EXPECT_EQ(outcome(kSearchHotkey, Hotkey{kModControl | kModAlt, 'Z'}),
            "The SearchHotkey setting \"Ctrl+Alt+Z\" is not used: it is the key of the PickHotkey "
            "setting. No key opens the search box until the setting is corrected.");
  EXPECT_EQ(outcome(kSearchHotkey, Hotkey{kModControl | kModAlt, 'Y'}), "Ctrl+Alt+Z");
  settings.values[{"Settings", "SearchHotkey"}] = "None";
  EXPECT_EQ(ReadHotkey(settings, kSearchHotkey).setting.key, std::nullopt);
  EXPECT_EQ(HotkeyTakenMessage(Hotkey{kModControl | kModAlt, 0x20}, kSearchHotkey),
            "Ctrl+Alt+Space is in use by another program, so it does not open the search box. "
            "Choose another key in the SearchHotkey setting.");
}

}  // namespace
