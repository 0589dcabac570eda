#pragma once
// The About box.

#include "framework/dialog_win32.h"
#include "resources/resource.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
