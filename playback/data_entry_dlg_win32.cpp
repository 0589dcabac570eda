#include "playback/data_entry_dlg_win32.h"

#include <string>

#include "framework/window_text_win32.h"
#include "resources/resource.h"

namespace {

void OfferDefault(HWND edit, const std::string& text) {
  SetWindowTextA(edit, text.c_str());
  SendMessageA(edit, EM_SETSEL, 0, static_cast<LPARAM>(text.size()));
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace

CDataEntryDlg::CDataEntryDlg(const DataEntryRequest& request)
    : CDialog(IDD_DATAENTRY), model_(request) {}

DataEntryResult CDataEntryDlg::Run() { return model_.Result(DoModal() == IDOK); }

BOOL CDataEntryDlg::OnInitDialog() {
  HWND editSingleLine = GetDlgItem(IDC_EDIT_SINGLELINE);
  HWND staticPrompt = GetDlgItem(IDC_STATIC_PROMPT);
  HWND editMultiLine = GetDlgItem(IDC_EDIT_MULTILINE);

  const bool multiLine = model_.ShowsMultiLine();
  ShowWindow(editSingleLine, multiLine ? SW_HIDE : SW_SHOW);
  ShowWindow(editMultiLine, multiLine ? SW_SHOW : SW_HIDE);
  SetWindowTextA(staticPrompt, model_.PromptText().c_str());

  if (const auto offered = model_.DefaultText()) {
    // Both boxes get it; the single-line box reports the change, so the
    // value starts as the default.
    OfferDefault(editMultiLine, *offered);
    OfferDefault(editSingleLine, *offered);
  }
  return TRUE;
}

bool CDataEntryDlg::OnCommand(int id, int notifyCode) {
  if (notifyCode != EN_CHANGE) return false;
  if (id == IDC_EDIT_MULTILINE) {
    model_.OnChangeMultiLine(GetWindowString(GetDlgItem(id)));
    return true;
  }
  if (id == IDC_EDIT_SINGLELINE) {
    model_.OnChangeSingleLine(GetWindowString(GetDlgItem(id)));
    return true;
  }
  return false;
}
