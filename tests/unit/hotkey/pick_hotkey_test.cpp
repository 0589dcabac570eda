// The pick hotkey setting: what it may say, and how a refusal reads.
#include <gtest/gtest.h>

#include <string>

#include "hotkey/pick_hotkey.h"

namespace {

TEST(PickHotkeyTest, ASettingNamesModifiersAndOneKeyInAnyCaseOrNone) {
  struct Row {
    const char* text;
    Hotkey key;
    const char* written;
  };
  const Row rows[] = {
      {"Ctrl+Alt+Z", {kModControl | kModAlt, 'Z'}, "Ctrl+Alt+Z"},
      {" alt + CTRL +z ", {kModControl | kModAlt, 'Z'}, "Ctrl+Alt+Z"},
      {"Windows+Control+Shift+f9", {kModControl | kModShift | kModWin, 0x78}, "Ctrl+Shift+Win+F9"},
      {"F24", {0, 0x87}, "F24"},
      {"Win+Alt+Space", {kModAlt | kModWin, 0x20}, "Alt+Win+Space"},
      {"Ctrl+pagedown", {kModControl, 0x22}, "Ctrl+PageDown"},
  };
  for (const Row& row : rows) {
    const HotkeySetting setting = ParseHotkey(row.text);
    ASSERT_TRUE(setting.key) << row.text << ": " << setting.refusal;
    EXPECT_EQ(*setting.key, row.key) << row.text;
    EXPECT_EQ(HotkeyText(*setting.key), row.written);
  }
  for (const char* off : {"", "  ", "None", "nONE "}) {
    const HotkeySetting setting = ParseHotkey(off);
    EXPECT_FALSE(setting.key) << off;
    EXPECT_EQ(setting.refusal, "") << off;
  }
}

TEST(PickHotkeyTest, AMalformedSettingIsRefusedWithItsReason) {
  struct Row {
    std::string text;
    std::string shown;
    std::string reason;
  };
  const Row rows[] = {
      {"Ctrl+Alt+", "\"Ctrl+Alt+\"", "a name is missing next to a \"+\""},
      {"Ctrl+Alt", "\"Ctrl+Alt\"", "it names no key after the modifiers"},
      {"Z+Ctrl", "\"Z+Ctrl\"", "only Ctrl, Alt, Shift and Win may come before the key, not \"Z\""},
      {"ctrl+Alt+CTRL+Z", "\"ctrl+Alt+CTRL+Z\"", "\"CTRL\" is given twice"},
      {"Ctrl+Alt+Escape", "\"Ctrl+Alt+Escape\"", "\"Escape\" is not a key name Zorvakomat knows"},
      {"Ctrl+F25", "\"Ctrl+F25\"", "\"F25\" is not a key name Zorvakomat knows"},
      {"Shift+A", "\"Shift+A\"", "a key other than F1 to F24 needs Ctrl, Alt or Win with it"},
      // Control bytes show as "?", and a long text is cut short.
      {"Ctrl+\x01\n" + std::string(60, 'x'), "\"Ctrl+??" + std::string(33, 'x') + "...\"",
       "\"??" + std::string(38, 'x') + "...\" is not a key name Zorvakomat knows"},
  };
  for (const Row& row : rows) {
    const HotkeySetting setting = ParseHotkey(row.text);
    EXPECT_FALSE(setting.key) << row.text;
    EXPECT_EQ(HotkeyRefusedMessage(row.text, setting.refusal),
              "The PickHotkey setting " + row.shown + " is not used: " + row.reason +
                  ". No key opens the pick menu until the setting is corrected.");
  }
}

}  // namespace
