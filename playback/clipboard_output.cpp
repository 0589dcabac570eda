// Putting text on the clipboard, and the item text paste.
#include <cstring>

#include "playback/playback.h"

namespace {

// A global memory block that is freed unless the clipboard took it.
class OwnedBlock {
 public:
  OwnedBlock(PlaybackPlatform& platform, std::size_t bytes)
      : platform_(platform), block_(platform.GlobalAlloc(bytes)) {}
  OwnedBlock(const OwnedBlock&) = delete;
  OwnedBlock& operator=(const OwnedBlock&) = delete;
  ~OwnedBlock() {
    if (block_ != 0) platform_.GlobalFree(block_);
  }
  MemoryBlock get() const { return block_; }
  explicit operator bool() const { return block_ != 0; }
  // The clipboard owns it now.
  void release() { block_ = 0; }

 private:
  PlaybackPlatform& platform_;
  MemoryBlock block_;
};

// Room for the text, its NUL and some spare, all of it zeroed.
constexpr std::size_t kSpareBytes = 10;

}  // namespace

void Playback::SetClipboardText(std::string text) {
  OwnedBlock block(platform_, text.size() + kSpareBytes);
  if (!block) {
    platform_.AfxMessageBox("Error allocating memory with GlobalAlloc()", MB::Ok);
    return;
  }
  char* memory = platform_.GlobalLock(block.get());
  if (memory == nullptr) {
    platform_.AfxMessageBox("Error using GlobalLock() --NULL SubMenu Item definition.", MB::Ok);
    return;
  }
  // Zero the whole block first, so no stale bytes ever reach the clipboard.
  std::memset(memory, 0, text.size() + kSpareBytes);
  std::memcpy(memory, text.c_str(), text.size() + 1);
  if (platform_.GlobalUnlock(block.get()) == 0) {
    const std::uint32_t error = platform_.LastError();
    if (error != 0) {
      platform_.AfxMessageBox("Error using GlobalUnlock()", MB::Ok);
      platform_.AfxMessageBox("Last Error = " + std::to_string(error), MB::Ok);
      return;
    }
  }
  if (!platform_.OpenClipboard(ownWindow_)) {
    platform_.AfxMessageBox("Error opening clipboard", MB::Ok);
    return;
  }
  if (!platform_.EmptyClipboard()) {
    platform_.AfxMessageBox("Error emptying clipboard", MB::Ok);
    platform_.CloseClipboard();
    return;
  }
  if (!platform_.SetClipboardData(block.get())) {
    platform_.AfxMessageBox("Error setting clipboard data", MB::Ok);
    platform_.CloseClipboard();
    return;
  }
  block.release();
  if (!platform_.CloseClipboard()) {
    platform_.AfxMessageBox("Error closing clipboard", MB::Ok);
  }
}

void Playback::PasteToClipboard(int nWhichSubMenu, int nWhichSubMenuItem) {
  // An index equal to the count passes: it reaches the slot just after the
  // last one in use. Nothing outside the document's capacity is read.
  if (nWhichSubMenu > pDoc->nNumSubMenus || !IsSubMenuIndex(nWhichSubMenu)) {
    platform_.AfxMessageBox(
        "Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu > "
        "pDoc->nNumSubMenus",
        MB::IconExclamation);
    return;
  }
  if (nWhichSubMenuItem > pDoc->nNumSubMenuItems[nWhichSubMenu] ||
      !IsItemIndex(nWhichSubMenuItem)) {
    platform_.AfxMessageBox(
        "Internal Application Error: PasteToClipboard(int, int) nWhichSubMenuItem > "
        "pDoc->nNumSubMenuItems[nWhichSubMenu]",
        MB::IconExclamation);
    return;
  }
  SetClipboardText(pDoc->strSubMenuItemText[ItemSlot(nWhichSubMenu, nWhichSubMenuItem)]);
}
