// The Windows clipboard, through the system itself: another program reads
// the text and nothing but zeros after it, and the clipboard is closed again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "playback/playback_platform_win32.h"

namespace {

TEST(Win32ClipboardTest, PutsTheTextWithZerosAfterIt) {
  const std::string text = "line 1\r\nline 2";
  EXPECT_FALSE(Win32Clipboard().SetText(text, 0).has_value());
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE data = GetClipboardData(CF_TEXT);
  const auto* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  const std::string block = bytes ? std::string(bytes, GlobalSize(data)) : "(no text)";
  if (bytes) GlobalUnlock(data);
  CloseClipboard();
  ASSERT_GT(block.size(), text.size()) << block;
  EXPECT_EQ(block, text + std::string(block.size() - text.size(), '\0'));
}

}  // namespace
