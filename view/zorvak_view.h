#pragma once
// The decisions of the view, free of windows: what a tray notification
// does, what a command from the pick menu means, and the hide-and-restore
// state of the main window. The view's playback state (the pending pick,
// the prompt variables) lives in its Playback.

#include <optional>

#include "document/macro_data.h"
#include "playback/playback.h"
#include "safety/pick_question.h"
#include "view/tray_commands.h"

enum class TrayAction { none, restoreMainWindow, showPickMenu, bringModalWindowForward };

// How the main frame is to be shown.
enum class FrameShow { hide, showNormal, showMaximized };

class ViewCore {
 public:
  ViewCore(const PlaybackPorts& ports, const MacroData& doc);

  Playback playback;
  // The question before a pick from a document of the internet plays an
  // item that can run a command; the shell tells it the document's origin.
  PickQuestion question;
  // True while the main window is to stay hidden: a paint then hides it.
  bool bHideOnPaint = true;

  // A notification from the tray icon (icon id, mouse message), also the
  // pick hotkey's, which stands for a right click. Opening the pick menu
  // drops any pick that has not run yet. While a modal window of the
  // program is open (a dialog, the data entry box, a message box, a file
  // dialog) the click brings that window forward instead: no command starts
  // inside another. Otherwise, while a macro runs nothing happens: the
  // notification waits for the run's end.
  TrayAction OnTrayNotify(unsigned iconId, unsigned mouseMessage);
  // Once the run is over: the mouse message of the last notification that
  // waited for it, to be delivered again; nothing when none came.
  std::optional<unsigned> TakeWaitingTrayNotify();

  // A command sent to the view by the pick menu: a fixed command's action
  // from the tray's table; otherwise only an id that names an item of the
  // document as the menu shows it sets a pick, and any other id is passed
  // on, setting nothing; a pick that needs the question and is refused
  // sets nothing either. A command that arrives while a modal window is
  // open (sent by another program) brings that window forward and does
  // nothing more.
  HookAction OnCommandHook(int id);

  // The tray double click: shown maximized, drawn from now on.
  FrameShow OnRestore();
  // Hide Main Window: hides a shown window, shows a hidden one.
  FrameShow OnHideMainWindow();

 private:
  const MacroData& doc_;
  MessageBoxPort& messages_;
  std::optional<unsigned> waiting_tray_notify_;
};
