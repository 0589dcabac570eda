#include "app/document_commands_win32.h"

#include <commdlg.h>

#include "framework/archive.h"
#include "framework/disk_file.h"
#include "framework/error_messages.h"
#include "framework/exceptions.h"
#include "framework/resource_strings_win32.h"
#include "resources/resource.h"

namespace {

constexpr char kFilter[] = "Zorvakomat Files (*.zvk)\0*.zvk\0All Files (*.*)\0*.*\0";

// A file dialog's choice, or empty when it was cancelled.
std::string AskFileName(HWND owner, bool save, DWORD flags) {
  char path[MAX_PATH * 4] = "";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = kFilter;
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.lpstrDefExt = "zvk";
  ofn.Flags = flags;
  const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  return chosen ? std::string(path) : std::string();
}

std::string FileTitleOf(const std::string& path) {
  char title[MAX_PATH * 4];
  if (GetFileTitleA(path.c_str(), title, sizeof title) == 0) return title;
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FullPathOf(const std::string& path) {
  char full[MAX_PATH * 4];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

}  // namespace

void DocumentCommandsWin32::SetFrame(HWND frame, std::function<void()> documentChanged) {
  frame_ = frame;
  documentChanged_ = std::move(documentChanged);
}

void DocumentCommandsWin32::Changed() {
  if (documentChanged_) documentChanged_();
}

void DocumentCommandsWin32::NewAtStartUp() {
  doc_.SetTitle(LoadResourceString(IDS_UNTITLED));
  doc_.OnNewDocument();
}

void DocumentCommandsWin32::ResetToNew() {
  doc_.SetTitle(LoadResourceString(IDS_UNTITLED));
  doc_.OnNewDocument();
  Changed();
}

void DocumentCommandsWin32::SetPathName(const std::string& path) {
  doc_.SetPathNameOnly(path);
  doc_.SetTitle(FileTitleOf(path));
}

bool DocumentCommandsWin32::Load(const std::string& path) {
  try {
    DiskFile file(path, DiskFile::Mode::read);
    // An empty file holds nothing to read: the document stays as it is.
    if (file.GetLength() != 0) {
      CArchive archive(file, CArchive::load);
      doc_.Serialize(archive);
    }
    file.Close();
    return true;
  } catch (const CFileException& e) {
    messages_.AfxMessageBox(FileErrorMessage(e.m_cause, path));
  } catch (const CArchiveException& e) {
    messages_.AfxMessageBox(e.m_cause == CArchiveException::endOfFile
                                ? LoadResourceString(IDP_FAILED_INVALID_FORMAT)
                                : ArchiveErrorMessage(e.m_cause, path));
  }
  return false;
}

bool DocumentCommandsWin32::SaveTo(const std::string& path) {
  try {
    DiskFile file(path, DiskFile::Mode::create);
    CArchive archive(file, CArchive::store);
    doc_.Serialize(archive);
    archive.Close();
    file.Close();
    doc_.SetModifiedFlag(false);
    return true;
  } catch (const CFileException& e) {
    messages_.AfxMessageBox(FileErrorMessage(e.m_cause, path));
  } catch (const CArchiveException& e) {
    messages_.AfxMessageBox(ArchiveErrorMessage(e.m_cause, path));
  }
  return false;
}

bool DocumentCommandsWin32::OpenAtStartUp(const std::string& path) {
  const std::string full = FullPathOf(path);
  doc_.SetModifiedFlag(false);
  if (!Load(full)) return false;
  doc_.SetModifiedFlag(false);
  SetPathName(full);
  Changed();
  return true;
}

void DocumentCommandsWin32::OnFileNew() {
  if (!SaveModified()) return;
  ResetToNew();
}

void DocumentCommandsWin32::OnFileOpen() {
  const std::string path =
      AskFileName(frame_, false, OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY);
  if (path.empty() || !SaveModified()) return;
  if (!Load(path)) {
    ResetToNew();  // what a failed load left behind is not kept
    return;
  }
  doc_.SetModifiedFlag(false);
  SetPathName(path);
  Changed();
}

bool DocumentCommandsWin32::SaveModified() {
  if (!doc_.IsModified()) return true;
  const std::string title = doc_.GetPathName().empty() ? doc_.GetTitle()
                                                        : FileTitleOf(doc_.GetPathName());
  const int answer = messages_.AfxMessageBox(
      FormatMessage1(LoadResourceString(IDP_ASK_TO_SAVE), title),
      MB::YesNoCancel | MB::IconExclamation);
  if (answer == MB::IdCancel) return false;
  if (answer == MB::IdNo) return true;
  OnFileSave();
  return !doc_.IsModified();
}

void DocumentCommandsWin32::OnTrayOpen() {
  const std::string path = AskFileName(frame_, false, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
  if (path.empty()) return;
  if (Load(path)) {
    const std::size_t slash = path.find_last_of("\\/");
    doc_.SetTitle(slash == std::string::npos ? path : path.substr(slash + 1));
    // Save writes to the file just loaded, never to the one loaded before.
    doc_.SetPathNameOnly(path);
  }
  Changed();
}

void DocumentCommandsWin32::OnFileSave() {
  if (doc_.GetPathName().empty()) {
    OnFileSaveAs();
    return;
  }
  SaveTo(doc_.GetPathName());
}

void DocumentCommandsWin32::OnFileSaveAs() {
  const std::string path =
      AskFileName(frame_, true, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT);
  if (path.empty()) return;
  if (SaveTo(path)) {
    SetPathName(path);
    Changed();
  }
}
