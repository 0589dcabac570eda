#pragma once
// What a run asks of the focus window's layout, asked once per layout: the
// key for each byte of a macro's text, the character the byte stands for,
// and the scan code of each key. The layout itself is looked up again at
// every step of a run, and whenever the foreground changes.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "playback/ports.h"

class LayoutCache {
 public:
  explicit LayoutCache(Keyboard& keyboard) : keyboard_(keyboard) {}

  // The layout is looked up again when next needed.
  void Forget() { looked_up_ = false; }

  struct CharKey {
    char16_t unit = 0;
    std::optional<LayoutKey> key;
  };
  const CharKey& ForByte(char c);
  std::uint16_t ScanCode(std::uint8_t vk);

 private:
  void LookUp();

  Keyboard& keyboard_;
  bool looked_up_ = false;
  LayoutId layout_ = 0;
  std::array<CharKey, 256> chars_{};
  std::bitset<256> chars_known_;
  std::array<std::uint16_t, 256> scans_{};
  std::bitset<256> scans_known_;
};
