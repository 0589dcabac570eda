// The item runner: a pending pick runs when the view loses the focus,
// followed by the items chained to it.
#include "playback/playback.h"

namespace {

constexpr std::uint32_t kWaitBeforePick = 500;

}  // namespace

bool Playback::RunSlot(int subMenu, int item) {
  if (listener_ != nullptr) listener_->SlotStarting(subMenu, item);
  const bool recognised = RunToken(subMenu, item, false, std::string());
  if (!recognised) {
    PasteToClipboard(subMenu, item);
    SendPasteKeys();
  }
  if (listener_ != nullptr) listener_->SlotFinished(subMenu, item, recognised);
  return recognised;
}

bool Playback::RunText(const std::string& text) {
  const bool recognised = RunToken(0, 0, true, text);
  if (!recognised) {
    SetClipboardText(text);
    SendPasteKeys();
  }
  return recognised;
}

void Playback::OnKillFocus() {
  if (!bPickPending) return;
  const int sub = nPickSubMenu;
  int item = nPickItem;
  // Cleared before the first wait: a focus change during the run finds
  // nothing pending, so a pick never runs twice.
  bPickPending = false;
  bMultiLineEntry = false;
  if (!IsSubMenuIndex(sub) || !IsItemIndex(item)) return;

  platform_.Sleep(kWaitBeforePick);
  RunSlot(sub, item);
  // Only the flag of the item just run counts; the row of 50 slots ends
  // the chain at the latest.
  while (pDoc->bChainToNext[ItemSlot(sub, item)] != 0 && item + 1 < kMaxItems) {
    ++item;
    RunSlot(sub, item);
  }
}
