#include "view/zorvak_view.h"

#include <utility>

#include "framework/modal_window.h"
#include "resources/resource.h"
#include "view/pick_command.h"

namespace {

constexpr unsigned kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr unsigned kRightButtonUp = 0x0205;    // WM_RBUTTONUP

// Whether the document holds the item, within its capacity.
bool HoldsItem(const MacroData& doc, Pick pick) {
  return IsSubMenuIndex(pick.submenu) && pick.submenu < doc.SubMenuCount() && pick.item >= 0 &&
         pick.item < doc.ItemCount(pick.submenu);
}

}  // namespace

ViewCore::ViewCore(const PlaybackPorts& ports, const MacroData& doc)
    : playback(ports, doc), doc_(doc), messages_(ports.messages) {}

TrayAction ViewCore::OnTrayNotify(unsigned iconId, unsigned mouseMessage) {
  if (iconId != TRAY_ICON_ID) return TrayAction::none;
  const TrayAction action = Notify(mouseMessage);
  if (action == TrayAction::showPickMenu) focus_return_.Forget();
  return action;
}

TrayAction ViewCore::OnPickHotkey(std::optional<FocusTarget> focused) {
  const TrayAction action = Notify(kRightButtonUp);
  if (action == TrayAction::showPickMenu) focus_return_.Remember(focused);
  return action;
}

TrayAction ViewCore::Notify(unsigned mouseMessage) {
  if (mouseMessage != kLeftDoubleClick && mouseMessage != kRightButtonUp) return TrayAction::none;
  if (ModalWindowScope::AnyOpen()) return TrayAction::bringModalWindowForward;
  // Nothing starts inside a run: the click takes effect once it is over.
  if (playback.Running()) {
    waiting_tray_notify_ = mouseMessage;
    return TrayAction::none;
  }
  if (mouseMessage == kLeftDoubleClick) return TrayAction::restoreMainWindow;
  playback.DropPick();
  return TrayAction::showPickMenu;
}

std::optional<unsigned> ViewCore::TakeWaitingTrayNotify() {
  if (playback.Running()) return std::nullopt;
  return std::exchange(waiting_tray_notify_, std::nullopt);
}

HookAction ViewCore::OnCommandHook(int id) {
  if (ModalWindowScope::AnyOpen()) return HookAction::bringModalWindowForward;
  if (const TrayCommand* fixed = FindTrayCommand(id)) return fixed->action;
  const std::optional<Pick> pick = DecodePickCommand(id);
  if (!pick || !HoldsItem(doc_, *pick)) return HookAction::passOn;
  return AskAndArm(*pick) ? HookAction::itemPicked : HookAction::pickRefused;
}

bool ViewCore::AskAndArm(Pick pick) {
  // An item of a document from the internet that can run a command asks first.
  if (!question.MayPlay(doc_, pick, messages_)) return false;
  playback.ArmPick(pick);
  recent_.Add(pick);
  return true;
}

TrayAction ViewCore::OnSearchHotkey(std::optional<FocusTarget> focused) {
  if (ModalWindowScope::AnyOpen()) return TrayAction::bringModalWindowForward;
  if (playback.Running()) return TrayAction::none;
  focus_return_.Remember(focused);
  return TrayAction::showSearchBox;
}

TrayAction ViewCore::OnSearchCommand() { return OnSearchHotkey(std::nullopt); }

bool ViewCore::OnSearchChoice(Pick pick) {
  if (ModalWindowScope::AnyOpen() || !HoldsItem(doc_, pick)) return false;
  return AskAndArm(pick);
}

const SearchIndex& ViewCore::SearchItems() {
  if (!search_index_) search_index_.emplace(doc_);
  return *search_index_;
}

FrameShow ViewCore::OnRestore() {
  bHideOnPaint = false;
  return FrameShow::showMaximized;
}

FrameShow ViewCore::OnHideMainWindow() {
  if (!bHideOnPaint) {
    bHideOnPaint = true;
    return FrameShow::hide;
  }
  bHideOnPaint = false;
  return FrameShow::showNormal;
}
