#pragma once
// The program's hotkeys: the pick hotkey opens the pick menu from anywhere,
// as a right click on the tray icon does; the search hotkey opens the
// search box. The settings "PickHotkey" and "SearchHotkey" under "Settings"
// hold them as text, modifiers first and the key last, joined by "+":
// "Ctrl+Alt+Z" (the pick hotkey's default when the setting is missing),
// "Ctrl+Shift+F9", "Win+Alt+Space". "None" (or an empty text) means no
// hotkey.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/profile.h"

// The modifiers, counted as the system counts them.
constexpr unsigned kModAlt = 0x1;
constexpr unsigned kModControl = 0x2;
constexpr unsigned kModShift = 0x4;
constexpr unsigned kModWin = 0x8;

struct Hotkey {
  unsigned modifiers = 0;
  std::uint8_t vk = 0;  // the key's virtual-key code
  friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// The id the registered hotkey is reported with.
constexpr int kPickHotkeyId = 1;
constexpr int kSearchHotkeyId = 2;

inline constexpr const char* kPickHotkeySection = "Settings";
inline constexpr const char* kPickHotkeyEntry = "PickHotkey";
inline constexpr const char* kDefaultPickHotkey = "Ctrl+Alt+Z";

// One hotkey: its id, its setting and default, and what it opens, as the
// messages about it say.
struct HotkeyRole {
  int id;
  const char* entry;
  const char* default_text;
  const char* opens;
};

inline constexpr HotkeyRole kPickHotkey{kPickHotkeyId, kPickHotkeyEntry, kDefaultPickHotkey,
                                        "the pick menu"};
inline constexpr HotkeyRole kSearchHotkey{kSearchHotkeyId, "SearchHotkey", "Ctrl+Alt+Space",
                                          "the search box"};

// What the setting's text asks for: a key, no key, or a refusal with its
// reason.
struct HotkeySetting {
  std::optional<Hotkey> key;
  std::string refusal;  // empty unless the text was refused
};

HotkeySetting ParseHotkey(std::string_view text);

// The key as the user writes it: "Ctrl+Alt+Z".
std::string HotkeyText(Hotkey key);

// The role's setting as read from the settings store (its default when it
// is missing), and what it asks for. A key that another of the program's
// hotkeys has already is refused.
struct HotkeyReading {
  std::string text;
  HotkeySetting setting;
};
HotkeyReading ReadHotkey(ProfilePort& settings, const HotkeyRole& role,
                         std::optional<Hotkey> taken = std::nullopt,
                         const HotkeyRole& takenBy = kPickHotkey);

// What the status bar says when the setting was refused, or when the key
// it names could not be registered (another program has it).
std::string HotkeyRefusedMessage(std::string_view text, const std::string& refusal,
                                 const HotkeyRole& role = kPickHotkey);
std::string HotkeyTakenMessage(Hotkey key, const HotkeyRole& role = kPickHotkey);
