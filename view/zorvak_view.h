#pragma once
// The decisions of the view, free of windows: what a tray notification
// does, what a command from the pick menu means, and the hide-and-restore
// state of the main window. The view's playback state (the pending pick,
// the prompt variables) lives in its Playback.

#include <optional>

#include "document/macro_data.h"
#include "playback/playback.h"
#include "safety/pick_question.h"
#include "search/recent_picks.h"
#include "search/search_index.h"
#include "view/focus_return.h"
#include "view/tray_commands.h"

enum class TrayAction {
  none,
  restoreMainWindow,
  showPickMenu,
  bringModalWindowForward,
  showSearchBox
};

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
  // The pick hotkey: a right click on the icon, with the focus where it
  // was when the key was pressed, so that a pick from the menu it opens
  // types there.
  TrayAction OnPickHotkey(std::optional<FocusTarget> focused);
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
  // The search hotkey opens the search box, remembering where the focus
  // was; while a modal window is open that comes forward instead, and
  // while a macro runs the key does nothing. Search Items from the main
  // window's menu opens the box too; its pick waits for a click.
  TrayAction OnSearchHotkey(std::optional<FocusTarget> focused);
  TrayAction OnSearchCommand();
  // Enter in the search box: the item is picked as from the menu, if the
  // document holds it; false when nothing was picked.
  bool OnSearchChoice(Pick pick);
  // The items the search box lists, built once after the document
  // changes, and the items picked in this session.
  const SearchIndex& SearchItems();
  const RecentPicks& Recent() const { return recent_; }
  // The document was replaced or edited.
  void OnDocumentChanged() { search_index_.reset(); }

  // After an item was picked (or the search box was closed with Escape,
  // when nothing is pending): the window (and control) the focus goes back
  // to, once, when the menu came from the hotkey and the window is still
  // there; otherwise the pick waits for a click.
  std::optional<FocusTarget> FocusAfterPick(WindowPresence& windows) {
    return focus_return_.AfterPick(windows);
  }

  // The tray double click: shown maximized, drawn from now on.
  FrameShow OnRestore();
  // Hide Main Window: hides a shown window, shows a hidden one.
  FrameShow OnHideMainWindow();

 private:
  // Asks the question a risky item of a downloaded document needs, then
  // arms the pick; false when the user said No.
  bool AskAndArm(Pick pick);
  TrayAction Notify(unsigned mouseMessage);

  const MacroData& doc_;
  MessageBoxPort& messages_;
  std::optional<unsigned> waiting_tray_notify_;
  FocusReturn focus_return_;
  RecentPicks recent_;
  std::optional<SearchIndex> search_index_;
};
