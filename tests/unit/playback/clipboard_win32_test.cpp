// The Windows clipboard, through the system itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "playback/playback_platform_win32.h"

namespace {

// What the clipboard holds as CF_TEXT: the whole memory block.
std::string ClipboardBlock() {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return "(not open)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
      bytes.assign(text, GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return bytes;
}

// The block another program reads holds the text, line breaks and all,
// and nothing but zeros after it; the clipboard is closed again.
TEST(Win32ClipboardTest, PutsTheTextWithZerosAfterIt) {
  Win32Clipboard clipboard;
  for (const std::string& text : {std::string("line 1\r\nline 2"), std::string()}) {
    EXPECT_FALSE(clipboard.SetText(text, 0).has_value());
    const std::string block = ClipboardBlock();
    ASSERT_GT(block.size(), text.size()) << block;
    EXPECT_EQ(block, text + std::string(block.size() - text.size(), '\0'));
  }
}

}  // namespace
