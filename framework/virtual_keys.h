#pragma once
// The Windows virtual-key codes the program names, with the values Windows
// gives them, and the reading of a function key's name.

#include <cstdint>
#include <optional>
#include <string_view>

constexpr std::uint8_t kVkBack = 0x08;
constexpr std::uint8_t kVkTab = 0x09;
constexpr std::uint8_t kVkReturn = 0x0D;
constexpr std::uint8_t kVkShift = 0x10;
constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkMenu = 0x12;  // Alt
constexpr std::uint8_t kVkPause = 0x13;
constexpr std::uint8_t kVkEscape = 0x1B;
constexpr std::uint8_t kVkSpace = 0x20;
constexpr std::uint8_t kVkPrior = 0x21;  // Page Up
constexpr std::uint8_t kVkNext = 0x22;   // Page Down
constexpr std::uint8_t kVkEnd = 0x23;
constexpr std::uint8_t kVkHome = 0x24;
constexpr std::uint8_t kVkLeft = 0x25;
constexpr std::uint8_t kVkUp = 0x26;
constexpr std::uint8_t kVkRight = 0x27;
constexpr std::uint8_t kVkDown = 0x28;
constexpr std::uint8_t kVkInsert = 0x2D;
constexpr std::uint8_t kVkDelete = 0x2E;
constexpr std::uint8_t kVkLeftWin = 0x5B;
constexpr std::uint8_t kVkRightWin = 0x5C;
constexpr std::uint8_t kVkApps = 0x5D;
constexpr std::uint8_t kVkV = 0x56;       // the letter V, on every layout
constexpr std::uint8_t kVkDivide = 0x6F;  // on the numeric pad
constexpr std::uint8_t kVkNumLock = 0x90;
constexpr std::uint8_t kVkRightControl = 0xA3;
constexpr std::uint8_t kVkRightMenu = 0xA5;  // right Alt
constexpr std::uint8_t kVkF1 = 0x70;         // F1 to F24 follow one another
constexpr int kFunctionKeyCount = 24;

// "F1" .. "F24", the F in either case, no leading zero: the key's code.
std::optional<std::uint8_t> FunctionKey(std::string_view name);
// The number of a function key's code (1 for F1), or nothing.
std::optional<int> FunctionKeyNumber(std::uint8_t vk);
