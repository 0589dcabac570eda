#pragma once
// What a run asks of the focus window's layout, asked once per layout: the
// key for each character of a macro's text and the scan code of each key. The layout itself is
// looked up again at every step of a run, and whenever the foreground changes.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "playback/ports.h"

class LayoutCache {
 public:
  explicit LayoutCache(Keyboard& keyboard) : keyboard_(keyboard) {}

  // The layout is looked up again when next needed.
  void Forget() { looked_up_ = false; }

  // Nothing: the layout has no key for it (nor for any character beyond
  // U+FFFF, which no key types).
  const std::optional<LayoutKey>& ForChar(char32_t c);
  std::uint16_t ScanCode(std::uint8_t vk);

 private:
  void LookUp();

  Keyboard& keyboard_;
  bool looked_up_ = false;
  LayoutId layout_ = 0;
  // The first 256 characters in a table, the rest as met.
  std::array<std::optional<LayoutKey>, 256> latin_{};
  std::bitset<256> latin_known_;
  std::unordered_map<char32_t, std::optional<LayoutKey>> others_;
  std::array<std::uint16_t, 256> scans_{};
  std::bitset<256> scans_known_;
};
