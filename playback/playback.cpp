#include "playback/playback.h"

namespace {

constexpr std::uint32_t kWaitBeforePick = 500;

}  // namespace

Playback::Playback(const PlaybackPorts& ports, const MacroData& doc, WindowId own_window)
    : output_(ports, own_window), interpreter_(output_, prompts_, doc), doc_(doc) {}

void Playback::ArmPick(Pick pick) {
  nPickSubMenu = pick.submenu;
  nPickItem = pick.item;
  bPickPending = true;
}

std::optional<Pick> Playback::PendingPick() const {
  if (!bPickPending) return std::nullopt;
  return Pick{nPickSubMenu, nPickItem};
}

void Playback::OnKillFocus() {
  if (!bPickPending) return;
  const int sub = nPickSubMenu;
  int item = nPickItem;
  bPickPending = false;
  prompts_.SetMultiLineEntry(false);
  if (!IsSubMenuIndex(sub) || !IsItemIndex(item)) return;

  output_.Sleep(kWaitBeforePick);
  RunSlot(sub, item);
  // Only the flag of the item just run counts; the row of 50 slots ends
  // the chain at the latest.
  while (doc_.bChainToNext[ItemSlot(sub, item)] != 0 && item + 1 < kMaxItems) {
    ++item;
    RunSlot(sub, item);
  }
}

bool Playback::RunSlot(int submenu, int item) {
  if (listener_ != nullptr) listener_->SlotStarting({submenu, item});
  const bool recognised = interpreter_.RunItemToken(submenu, item);
  if (!recognised) {
    PasteToClipboard(submenu, item);
    output_.SendPasteKeys();
  }
  if (listener_ != nullptr) listener_->SlotFinished(recognised);
  return recognised;
}

bool Playback::RunText(std::string_view text) {
  const bool recognised = interpreter_.RunToken(text);
  if (!recognised) {
    output_.SetClipboardText(text);
    output_.SendPasteKeys();
  }
  return recognised;
}

void Playback::PasteToClipboard(int nWhichSubMenu, int nWhichSubMenuItem) {
  // Nothing outside the document's capacity is read.
  if (nWhichSubMenu > doc_.nNumSubMenus || !IsSubMenuIndex(nWhichSubMenu)) {
    output_.ShowMessage(
        "Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu > "
        "pDoc->nNumSubMenus",
        MB::IconExclamation);
    return;
  }
  if (nWhichSubMenuItem > doc_.nNumSubMenuItems[nWhichSubMenu] || !IsItemIndex(nWhichSubMenuItem)) {
    output_.ShowMessage(
        "Internal Application Error: PasteToClipboard(int, int) nWhichSubMenuItem > "
        "pDoc->nNumSubMenuItems[nWhichSubMenu]",
        MB::IconExclamation);
    return;
  }
  output_.SetClipboardText(doc_.strSubMenuItemText[ItemSlot(nWhichSubMenu, nWhichSubMenuItem)]);
}
