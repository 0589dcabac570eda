#pragma once
// The pick hotkey: a key that opens the pick menu from anywhere, as a right
// click on the tray icon does. The setting "PickHotkey" under "Settings"
// holds it as text, modifiers first and the key last, joined by "+":
// "Ctrl+Alt+Z" (the default when the setting is missing), "Ctrl+Shift+F9",
// "Win+Alt+Space". "None" (or an empty text) means no hotkey.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

inline constexpr const char* kPickHotkeySection = "Settings";
inline constexpr const char* kPickHotkeyEntry = "PickHotkey";
inline constexpr const char* kDefaultPickHotkey = "Ctrl+Alt+Z";

// What the setting's text asks for: a key, no key, or a refusal with its
// reason.
struct HotkeySetting {
  std::optional<Hotkey> key;
  std::string refusal;  // empty unless the text was refused
};

HotkeySetting ParseHotkey(std::string_view text);

// The key as the user writes it: "Ctrl+Alt+Z".
std::string HotkeyText(Hotkey key);

// What the status bar says when the setting was refused, or when the key
// it names could not be registered (another program has it).
std::string HotkeyRefusedMessage(std::string_view text, const std::string& refusal);
std::string HotkeyTakenMessage(Hotkey key);
