#include "app/document_commands_win32.h"

#include <array>
#include <utility>

#include "resources/resource.h"

Win32DocumentCommands::Win32DocumentCommands(CDocument& doc, MessageBoxPort& messages)
    : commands_(doc, recent_files_, files_, dialogs_, messages) {}

void Win32DocumentCommands::SetFrame(HWND frame, HWND view, std::function<void()> titleChanged,
                                     std::function<void()> contentChanged) {
  dialogs_.SetOwners(frame, view);
  commands_.SetTitleChangedHandler(std::move(titleChanged));
  commands_.SetUpdateViewsHandler(std::move(contentChanged));
}

bool Win32DocumentCommands::OnCmdMsg(int id) {
  struct Route {
    int id;
    bool (DocumentCommands::*run)();
  };
  static constexpr std::array<Route, 4> kRoutes = {
      {{ID_FILE_NEW, &DocumentCommands::OnFileNew},
       {ID_FILE_OPEN, &DocumentCommands::OnFileOpen},
       {ID_FILE_SAVE, &DocumentCommands::OnFileSave},
       {ID_FILE_SAVE_AS, &DocumentCommands::OnFileSaveAs}}};
  for (const Route& route : kRoutes) {
    if (route.id != id) continue;
    (commands_.*route.run)();
    return true;
  }
  if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_FILE4) return false;
  commands_.OnOpenRecentFile(id - ID_FILE_MRU_FILE1);
  return true;
}
