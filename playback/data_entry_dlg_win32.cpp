#include "playback/data_entry_dlg_win32.h"

#include <string>

#include "resources/resource.h"

namespace {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

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
    model_.OnChangeMultiLine(WindowText(GetDlgItem(id)));
    return true;
  }
  if (id == IDC_EDIT_SINGLELINE) {
    model_.OnChangeSingleLine(WindowText(GetDlgItem(id)));
    return true;
  }
  return false;
}
