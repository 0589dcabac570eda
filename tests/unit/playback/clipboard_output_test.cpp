#include "playback_fixture.h"

#include <optional>

namespace {

TEST_F(PlaybackTest, ClipboardTextIsPlacedWholeWithLineBreaksAndNoStaleBytes) {
  playback.SetClipboardText("line 1\r\nline 2");
  EXPECT_EQ(rec.ClipboardText(), "line 1\r\nline 2");
  playback.SetClipboardText("");
  EXPECT_EQ(rec.ClipboardText(), "");
  EXPECT_EQ(Take(), "clipboard \"line 1\\x0d\\x0aline 2\", clipboard \"\"");
  EXPECT_FALSE(rec.ClipboardIsOpen());
  EXPECT_EQ(rec.LiveBlocks(), 0u);
}

// Each failure is shown; the block is freed and the clipboard closed
// whatever failed, and the clipboard keeps or loses its earlier text.
TEST_F(PlaybackTest, EveryClipboardFailureIsShownAndFreesTheBlock) {
  const struct {
    FailPoint point;
    std::string effects;
    std::optional<std::string> clipboard;
  } rows[] = {
      {FailPoint::globalAlloc, "message \"Error allocating memory with GlobalAlloc()\"", "before"},
      {FailPoint::globalLock, "message \"Error using GlobalLock() --NULL SubMenu Item definition.\"", "before"},
      {FailPoint::globalUnlock, "message \"Error using GlobalUnlock()\", message \"Last Error = 158\"", "before"},
      {FailPoint::openClipboard, "message \"Error opening clipboard\"", "before"},
      {FailPoint::emptyClipboard, "message \"Error emptying clipboard\"", "before"},
      {FailPoint::setClipboardData, "message \"Error setting clipboard data\"", std::nullopt},
      {FailPoint::closeClipboard, "clipboard \"new\", message \"Error closing clipboard\"", "new"},
  };
  for (const auto& row : rows) {
    rec.SetClipboardContents("before");
    rec.FailNext(row.point);
    playback.SetClipboardText("new");
    for (const Effect& e : rec.Effects()) EXPECT_EQ(e.number, MB::Ok);
    EXPECT_EQ(Take(), row.effects);
    EXPECT_EQ(rec.ClipboardText(), row.clipboard);
    EXPECT_FALSE(rec.ClipboardIsOpen());
    EXPECT_EQ(rec.LiveBlocks(), 0u);
  }
}

TEST_F(PlaybackTest, PasteToClipboardChecksAreStrictAndStayInsideTheDocument) {
  SetItem(0, 0, "first");
  SetItem(0, 1, "second");
  doc->strSubMenuItemText[ItemSlot(0, 2)] = "leftover";
  // An index equal to the count reaches the slot just after the last item.
  playback.PasteToClipboard(0, 2);
  EXPECT_EQ(Take(), "clipboard \"leftover\"");
  playback.PasteToClipboard(0, 3);
  EXPECT_EQ(Take(),
            "message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenuItem > "
            "pDoc->nNumSubMenuItems[nWhichSubMenu]\"");
  playback.PasteToClipboard(2, 0);
  EXPECT_EQ(Take(),
            "message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu > "
            "pDoc->nNumSubMenus\"");
  // Full capacity: the index equal to the count would be past the arrays.
  doc->nNumSubMenus = 50;
  doc->nNumSubMenuItems[49] = 50;
  playback.PasteToClipboard(50, 0);
  playback.PasteToClipboard(49, 50);
  const auto& effects = rec.Effects();
  ASSERT_EQ(effects.size(), 2u);
  for (const Effect& e : effects) {
    EXPECT_EQ(e.kind, Effect::Kind::message);
    EXPECT_EQ(e.number, MB::IconExclamation);
  }
  EXPECT_EQ(rec.ClipboardText(), "leftover");
}

}  // namespace
