#include "playback/playback.h"
#include "storage/non_copyable.h"

namespace {

constexpr std::uint32_t kWaitBeforePick = 500;

// One run: the user's stop key is watched for as long as it goes on.
class RunScope : private NonCopyable {
 public:
  RunScope(RunControl& control, StopKeyWatch* watch) : control_(control), watch_(watch) {
    control_.BeginRun();
    if (watch_ != nullptr) watch_->Start(control_);
  }
  ~RunScope() {
    if (watch_ != nullptr) watch_->Stop();
    control_.EndRun();
  }

 private:
  RunControl& control_;
  StopKeyWatch* watch_;
};

}  // namespace

Playback::Playback(const PlaybackPorts& ports, const MacroData& doc, WindowId own_window)
    : output_(ports, control_, own_window), interpreter_(output_, prompts_, doc), doc_(doc) {}

void Playback::ArmPick(Pick pick) {
  if (!IsSubMenuIndex(pick.submenu) || !IsItemIndex(pick.item)) return;
  nPickSubMenu = pick.submenu;
  nPickItem = pick.item;
  bPickPending = true;
}

void Playback::OnKillFocus() {
  if (!bPickPending || control_.Running()) return;
  Pick slot{nPickSubMenu, nPickItem};
  bPickPending = false;
  prompts_.SetMultiLineEntry(false);

  const RunScope run(control_, stop_key_watch_);
  output_.Sleep(kWaitBeforePick);
  // Keys into a window with more rights would be dropped without a word.
  if (!output_.Stopped() && !output_.ForegroundTakesKeys()) {
    output_.ShowMessage(kElevatedTargetMessage, MB::kIconExclamation);
    return;
  }
  // Only the flag of the item just run counts; the row of 50 slots ends
  // the chain at the latest.
  while (!output_.Stopped()) {
    RunSlot(slot);
    if (doc_.bChainToNext[ItemSlot(slot.submenu, slot.item)] == 0 || slot.item + 1 >= kMaxItems) {
      break;
    }
    ++slot.item;
  }
  // Normal end, a failure or the user's Escape: no key stays down.
  output_.ReleaseHeldKeys();
}

bool Playback::RunSlot(Pick slot) {
  if (listener_ != nullptr) listener_->SlotStarting(slot);
  output_.BeginStep();
  const bool recognised = interpreter_.RunItemToken(slot);
  if (!recognised) {
    if (const auto text = ItemText(slot.submenu, slot.item)) {
      output_.PasteText(*text);
    } else {
      output_.SendPasteKeys();
    }
  }
  if (listener_ != nullptr) listener_->SlotFinished(recognised);
  return recognised;
}

bool Playback::RunToken(std::string_view text) {
  output_.BeginStep();
  return interpreter_.RunToken(text);
}

bool Playback::RunText(std::string_view text) {
  const bool recognised = RunToken(text);
  if (!recognised) output_.PasteText(text);
  output_.ReleaseHeldKeys();  // the end of the run
  return recognised;
}

void Playback::PasteToClipboard(int nWhichSubMenu, int nWhichSubMenuItem) {
  if (const auto text = ItemText(nWhichSubMenu, nWhichSubMenuItem)) output_.SetClipboardText(*text);
}

std::optional<std::string_view> Playback::ItemText(int nWhichSubMenu, int nWhichSubMenuItem) {
  // Nothing outside the document's capacity is read.
  if (nWhichSubMenu > doc_.nNumSubMenus || !IsSubMenuIndex(nWhichSubMenu)) {
    output_.ShowMessage(
        "Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu > "
        "pDoc->nNumSubMenus",
        MB::kIconExclamation);
    return std::nullopt;
  }
  if (nWhichSubMenuItem > doc_.nNumSubMenuItems[nWhichSubMenu] || !IsItemIndex(nWhichSubMenuItem)) {
    output_.ShowMessage(
        "Internal Application Error: PasteToClipboard(int, int) nWhichSubMenuItem > "
        "pDoc->nNumSubMenuItems[nWhichSubMenu]",
        MB::kIconExclamation);
    return std::nullopt;
  }
  return doc_.strSubMenuItemText[ItemSlot(nWhichSubMenu, nWhichSubMenuItem)];
}
