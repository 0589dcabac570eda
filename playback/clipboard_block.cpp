#include "playback/clipboard_block.h"

#include <cstring>

namespace {

constexpr std::size_t kSpareBytes = 10;

}  // namespace

std::size_t ClipboardBlockSize(std::string_view text) { return text.size() + kSpareBytes; }

void FillClipboardBlock(char* block, std::size_t block_size, std::string_view text) {
  std::memcpy(block, text.data(), text.size());
  std::memset(block + text.size(), 0, block_size - text.size());
}
