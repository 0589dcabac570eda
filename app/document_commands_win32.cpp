#include "app/document_commands_win32.h"

#include <utility>

DocumentCommandsWin32::DocumentCommandsWin32(CDocument& doc, MessageBoxPort& messages)
    : commands_(doc, recentFiles_, files_, dialogs_, messages) {}

void DocumentCommandsWin32::SetFrame(HWND frame, HWND view, std::function<void()> documentChanged) {
  dialogs_.SetOwners(frame, view);
  commands_.SetTitleChangedHandler(documentChanged);
  commands_.SetUpdateViewsHandler(std::move(documentChanged));
}
