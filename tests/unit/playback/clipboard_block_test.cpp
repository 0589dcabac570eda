#include <gtest/gtest.h>

#include <string>

#include "playback/clipboard_block.h"

namespace {

// Another program may read the whole block: nothing stale may follow the
// text, also where the system gave more than was asked for.
TEST(ClipboardBlockTest, HoldsTheTextWithLineBreaksAndZerosAfterIt) {
  for (const std::string& text : {std::string("line 1\r\nline 2"), std::string()}) {
    const std::size_t size = ClipboardBlockSize(text) + 6;
    std::string block(size, '\xCD');
    FillClipboardBlock(block.data(), size, text);
    EXPECT_EQ(block, text + std::string(size - text.size(), '\0'));
    EXPECT_GT(ClipboardBlockSize(text), text.size());
  }
}

}  // namespace
