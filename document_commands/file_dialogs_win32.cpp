#include "document_commands/file_dialogs_win32.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "framework/modal_window.h"
#include "storage/utf8.h"

static_assert(OFN::kOverwritePrompt == OFN_OVERWRITEPROMPT);
static_assert(OFN::kHideReadOnly == OFN_HIDEREADONLY);
static_assert(OFN::kPathMustExist == OFN_PATHMUSTEXIST);
static_assert(OFN::kFileMustExist == OFN_FILEMUSTEXIST);

namespace {

// "name\0pattern\0 ... \0": the form the dialogs take their filter in.
std::string FilterString(const FileDialogRequest& request) {
  std::string filter;
  for (const auto& [name, pattern] : request.filters) {
    filter += name;
    filter += '\0';
    filter += pattern;
    filter += '\0';
  }
  filter += '\0';
  return filter;
}

}  // namespace

std::optional<std::string> Win32FileDialogs::Show(const FileDialogRequest& request) {
  // Room for long paths; the initial name is cut to fit, where a character
  // starts.
  std::vector<char> path(4 * MAX_PATH, '\0');
  const std::string_view initial = Utf8Prefix(request.initial_file_name, path.size() - 1);
  initial.copy(path.data(), initial.size());
  const std::string filter = FilterString(request);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = request.owner == FileDialogRequest::Owner::view ? view_ : frame_;
  if (ofn.hwndOwner != nullptr && !IsWindow(ofn.hwndOwner)) ofn.hwndOwner = nullptr;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = static_cast<DWORD>(path.size());
  ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  ofn.lpstrDefExt = request.default_extension.empty() ? nullptr : request.default_extension.c_str();
  ofn.Flags = request.flags | OFN_EXPLORER;

  const ModalWindowScope modal;
  const BOOL chosen = request.kind == FileDialogRequest::Kind::saveAs ? GetSaveFileNameA(&ofn)
                                                                      : GetOpenFileNameA(&ofn);
  if (!chosen) return std::nullopt;
  return std::string(path.data());
}
