#include "app/document_commands_win32.h"

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
  switch (id) {
    case ID_FILE_NEW:
      commands_.OnFileNew();
      return true;
    case ID_FILE_OPEN:
      commands_.OnFileOpen();
      return true;
    case ID_FILE_SAVE:
      commands_.OnFileSave();
      return true;
    case ID_FILE_SAVE_AS:
      commands_.OnFileSaveAs();
      return true;
    case ID_FILE_MRU_FILE1:
    case ID_FILE_MRU_FILE2:
    case ID_FILE_MRU_FILE3:
    case ID_FILE_MRU_FILE4:
      commands_.OnOpenRecentFile(id - ID_FILE_MRU_FILE1);
      return true;
    default:
      return false;
  }
}
