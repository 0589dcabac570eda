#include "view/tray_commands.h"

#include "resources/resource.h"

const std::array<TrayCommand, 7> kTrayCommands = {{
    {"&Edit SubMenus", ID_EDIT_SUBMENUS, HookAction::passOn},
    {"&Win Money!", ID_WIN_MONEY, HookAction::passOn},
    {"&Help Index", ID_HELP_INDEX, HookAction::passOn},
    {"&Open", ID_FILE_OPEN, HookAction::trayOpen},
    {"&Save", ID_FILE_SAVE, HookAction::passOn},
    {"Save &As", ID_FILE_SAVE_AS, HookAction::passOn},
    {"E&xit", ID_APP_EXIT, HookAction::trayExit},
}};

const TrayCommand* FindTrayCommand(int id) {
  for (const TrayCommand& command : kTrayCommands) {
    if (command.id == id) return &command;
  }
  return nullptr;
}
