#include "playback/layout_cache.h"

void LayoutCache::LookUp() {
  if (looked_up_) return;
  looked_up_ = true;
  const LayoutId layout = keyboard_.FocusLayout();
  if (layout == layout_) return;
  layout_ = layout;
  chars_known_.reset();
  scans_known_.reset();
}

const LayoutCache::CharKey& LayoutCache::ForByte(char c) {
  LookUp();
  const auto b = static_cast<unsigned char>(c);
  if (!chars_known_[b]) {
    const char16_t unit = keyboard_.CharOfByte(c);
    chars_[b] = {unit, keyboard_.KeyForChar(unit, layout_)};
    chars_known_[b] = true;
  }
  return chars_[b];
}

std::uint16_t LayoutCache::ScanCode(std::uint8_t vk) {
  LookUp();
  if (!scans_known_[vk]) {
    scans_[vk] = keyboard_.ScanCode(vk, layout_);
    scans_known_[vk] = true;
  }
  return scans_[vk];
}
