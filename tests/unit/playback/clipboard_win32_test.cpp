// The Windows clipboard, through the system itself: another program reads
// the text, as Unicode and as legacy text, and nothing but zeros after it,
// marked as kept out of the clipboard history, and the clipboard is closed
// again; what it held before is kept in every format that can be copied
// and given back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "playback/playback_platform_win32.h"

namespace {

std::string Data(UINT format) {
  const HANDLE data = GetClipboardData(format);
  const auto* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
  const std::string block = bytes ? std::string(bytes, GlobalSize(data)) : "(none)";
  if (bytes) GlobalUnlock(data);
  return block;
}

void Put(UINT format, const std::string& bytes) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  if (SetClipboardData(format, block) == nullptr) GlobalFree(block);
}

// Unicode programs read every character; older ones read the legacy code
// page's form (the test prefix's is Windows-1252), '?' for what it lacks.
TEST(Win32ClipboardTest, PutsTheTextAsUnicodeAndLegacyTextWithZerosAfterIt) {
  const std::string text = "line 1\r\nZo\u00EB \u4E2D\u6587 \u0416 \U0001F642";
  const std::u16string wide = u"line 1\r\nZo\u00EB \u4E2D\u6587 \u0416 \U0001F642";
  const std::string unicode(reinterpret_cast<const char*>(wide.data()), wide.size() * 2),
      legacy = "line 1\r\nZo\xEB ?? ? ?";
  EXPECT_FALSE(Win32Clipboard().SetText(text, 0).has_value());
  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::string block = Data(CF_TEXT), wide_block = Data(CF_UNICODETEXT);
  const std::string history = Data(RegisterClipboardFormatA("CanIncludeInClipboardHistory"));
  CloseClipboard();
  ASSERT_GT(block.size(), legacy.size()) << block;
  EXPECT_EQ(block, legacy + std::string(block.size() - legacy.size(), '\0'));
  ASSERT_GT(wide_block.size(), unicode.size() + 1);
  EXPECT_EQ(wide_block, unicode + std::string(wide_block.size() - unicode.size(), '\0'));
  EXPECT_EQ(history, std::string(4, '\0'));
}

TEST(Win32ClipboardTest, KeepsWhatItHeldAndGivesItBack) {
  const UINT rich = RegisterClipboardFormatA("Rich Text Format");
  const std::string unicode("k\0e\0e\0p\0\0\0", 10), rtf = "{\\rtf1 keep}";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  Put(CF_UNICODETEXT, unicode);
  Put(rich, rtf);
  CloseClipboard();

  Win32Clipboard clipboard;
  const std::optional<KeptClipboard> kept = clipboard.Keep(0);
  ASSERT_TRUE(kept.has_value());
  EXPECT_FALSE(clipboard.SetText("pasted", 0).has_value());
  const std::uint32_t ours = clipboard.SequenceNumber();
  EXPECT_TRUE(clipboard.GiveBack(*kept, 0));
  EXPECT_NE(clipboard.SequenceNumber(), ours);

  ASSERT_TRUE(OpenClipboard(nullptr));
  const std::string text = Data(CF_UNICODETEXT), format = Data(rich);
  CloseClipboard();
  EXPECT_EQ(text.substr(0, unicode.size()), unicode);
  EXPECT_EQ(format.substr(0, rtf.size()), rtf);
}

}  // namespace
