#pragma once
// The data entry box (dialog 141): a prompt above a single-line or a
// multi-line box, the default offered selected in both, OK and Cancel.

#include "framework/dialog_win32.h"
#include "playback/data_entry_model.h"

class CDataEntryDlg : public CDialog {
 public:
  // Owned by the application's main window.
  explicit CDataEntryDlg(const DataEntryRequest& request);

  // Shows the box modally and tells how it ended.
  DataEntryResult Run();

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  DataEntryModel model_;
};
