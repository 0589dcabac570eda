#include "view/zorvak_view.h"

#include <utility>

#include "framework/modal_window.h"
#include "resources/resource.h"
#include "view/pick_command.h"

namespace {

constexpr unsigned kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr unsigned kRightButtonUp = 0x0205;    // WM_RBUTTONUP

// The item the pick menu shows under the id, if any.
std::optional<Pick> ShownItem(const MacroData& doc, int id) {
  const std::optional<Pick> pick = DecodePickCommand(id);
  if (!pick || pick->submenu >= doc.SubMenuCount() || pick->item >= doc.ItemCount(pick->submenu)) {
    return std::nullopt;
  }
  return pick;
}

}  // namespace

ViewCore::ViewCore(const PlaybackPorts& ports, const MacroData& doc)
    : playback(ports, doc), doc_(doc), messages_(ports.messages) {}

TrayAction ViewCore::OnTrayNotify(unsigned iconId, unsigned mouseMessage) {
  if (iconId != TRAY_ICON_ID) return TrayAction::none;
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
  const std::optional<Pick> pick = ShownItem(doc_, id);
  if (!pick) return HookAction::passOn;
  if (!question.MayPlay(doc_, *pick, messages_)) return HookAction::pickRefused;
  playback.ArmPick(*pick);
  return HookAction::itemPicked;
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
