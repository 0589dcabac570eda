#pragma once
// The Edit SubMenus command of the view.

#include <windows.h>

#include "document/zorvak_doc.h"
#include "framework/message_box.h"

// Runs the Edit SubMenus dialog over a copy of the document.
void OnEditSubMenusCommand(HWND view, CZorvakDoc& doc, MessageBoxPort& messages);
