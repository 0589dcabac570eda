#include "playback/layout_cache.h"

void LayoutCache::LookUp() {
  if (looked_up_) return;
  looked_up_ = true;
  const LayoutId layout = keyboard_.FocusLayout();
  if (layout == layout_) return;
  layout_ = layout;
  latin_known_.reset();
  others_.clear();
  scans_known_.reset();
}

const std::optional<LayoutKey>& LayoutCache::ForChar(char32_t c) {
  LookUp();
  if (c < latin_.size()) {
    if (!latin_known_[c]) {
      latin_[c] = keyboard_.KeyForChar(static_cast<char16_t>(c), layout_);
      latin_known_[c] = true;
    }
    return latin_[c];
  }
  const auto [place, added] = others_.try_emplace(c);
  if (added && c < 0x10000) place->second = keyboard_.KeyForChar(static_cast<char16_t>(c), layout_);
  return place->second;
}

std::uint16_t LayoutCache::ScanCode(std::uint8_t vk) {
  LookUp();
  if (!scans_known_[vk]) {
    scans_[vk] = keyboard_.ScanCode(vk, layout_);
    scans_known_[vk] = true;
  }
  return scans_[vk];
}
