#include "editor/edit_submenus_command.h"

#include <memory>

#include "document/zorvak_doc.h"

void EditSubMenus(CZorvakDoc& doc, const std::function<int(MacroData& workingCopy)>& runDialog) {
  // Thousands of strings: kept off the stack.
  auto workingCopy = std::make_unique<MacroData>(static_cast<const MacroData&>(doc));
  if (runDialog(*workingCopy) != kDialogOk) return;
  doc.SetModifiedFlag(true);
  static_cast<MacroData&>(doc) = std::move(*workingCopy);
}
