#pragma once
// Keystroke playback as the view owns it: a pick from the tray menu waits
// until the view loses the keyboard focus, then runs through the token
// interpreter (or is pasted through the clipboard), followed by the items
// chained to it. It holds the pending pick and the prompt state, reads the
// document's items and works through the ports it is given. The user's
// Escape stops a run: nothing more is sent. However a run ends, the keys it
// holds down are released.

#include <optional>
#include <string_view>

#include "document/macro_data.h"
#include "playback/output.h"
#include "playback/pick.h"
#include "playback/ports.h"
#include "playback/prompts.h"
#include "playback/run_control.h"
#include "playback/token_interpreter.h"
#include "storage/non_copyable.h"

class Playback : private NonCopyable {
 public:
  Playback(const PlaybackPorts& ports, const MacroData& doc, WindowId own_window = 0);

  // The view's window: the clipboard's owner and the window brought
  // forward for a prompt.
  void SetOwnWindow(WindowId window) { output_.SetOwnWindow(window); }
  void SetListener(SlotListener* listener) { listener_ = listener; }
  // Watches for the user's stop key while a run goes on.
  void SetStopKeyWatch(StopKeyWatch* watch) { stop_key_watch_ = watch; }
  // Whether a paste gives the clipboard back (the RestoreClipboard setting).
  void SetGiveBackClipboard(bool giveBack) { output_.SetGiveBackClipboard(giveBack); }

  // An item was chosen: it runs at the next focus loss. A pick outside the
  // document's capacity is not kept.
  void ArmPick(Pick pick);
  // The pick menu opened again: a pick that has not run is dropped.
  void DropPick() { bPickPending = false; }

  // The view lost the keyboard focus: runs the pending pick, if any, after
  // 500 ms, then its chain. The pick is cleared first, so a focus change
  // during the run finds nothing to run; and no run starts inside another.
  void OnKillFocus();

  RunControl& Control() { return control_; }
  // A run is going (the program may be handling a message in one of its
  // waits or boxes).
  bool Running() const { return control_.Running(); }

  // A text given directly: carried out when it is one token (the result
  // says whether it was).
  bool RunToken(std::string_view text);
  // A text given directly, run the way a pick of one item runs: the token,
  // or else a paste of the text, then the release of every key left down
  // (zvk trace).
  bool RunText(std::string_view text);

  // Puts the text of an item on the clipboard without pasting it. An index
  // equal to the count passes and reaches the slot after the last item.
  void PasteToClipboard(int nWhichSubMenu, int nWhichSubMenuItem);

 private:
  friend struct PlaybackProbe;  // the tests' look at the pending pick

  // The token, or else a paste of the item's text; says which.
  bool RunSlot(Pick slot);
  // The text of an item to paste; nothing, after a message, for an index
  // outside the document.
  std::optional<std::string_view> ItemText(int nWhichSubMenu, int nWhichSubMenuItem);

  RunControl control_;
  Output output_;
  Prompts prompts_{output_};
  TokenInterpreter interpreter_;
  const MacroData& doc_;
  SlotListener* listener_ = nullptr;
  StopKeyWatch* stop_key_watch_ = nullptr;
  // The pick waiting for the focus loss, always within the capacity.
  bool bPickPending = false;
  int nPickSubMenu = 0;
  int nPickItem = 0;
};
