#pragma once
// The tray menu's seven fixed commands, in menu order: the text shown, the
// command id, and what the view's command hook does with the command. The
// pick menu's builder, the hook and the view's Windows side all read this
// one table.

#include <array>

// What the command hook does with a command from the pick menu.
enum class HookAction {
  passOn,                   // handled further along, as the same command from the main menu
  trayOpen,                 // the tray's own Open, and nothing more
  trayExit,                 // the save-changes question, then the icon goes and the loop ends
  itemPicked,               // a pick is now pending
  pickRefused,              // the question before a pick was answered No: nothing plays
  bringModalWindowForward,  // a modal window is open: it comes to the front
};

struct TrayCommand {
  const char* text;
  int id;
  HookAction action;
};

extern const std::array<TrayCommand, 7> kTrayCommands;

// The fixed command with that id, or null.
const TrayCommand* FindTrayCommand(int id);
