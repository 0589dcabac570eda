#pragma once
// The Edit SubMenus command: the dialog edits a working copy of the
// document's content; only OK writes it back.

#include <functional>

#include "document/macro_data.h"

class CZorvakDoc;

// The end code of a dialog closed with OK.
inline constexpr int kDialogOk = 1;

// Copies the document's content (every slot, in use or not) into a fresh
// working copy and runs the dialog over it; runDialog returns the dialog's
// end code. On OK the document is marked modified, changed or not, and
// then receives the working copy whole. Any other end (Cancel, Escape, the
// close box, a dialog that could not be made) leaves the document as it was.
void EditSubMenus(CZorvakDoc& doc, const std::function<int(MacroData& workingCopy)>& runDialog);
