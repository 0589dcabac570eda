#include "storage/safe_save.h"

#include "storage/exceptions.h"
#include "storage/file_path.h"

namespace {

void WriteAndClose(FileSystemPort& files, const std::string& path,
                   const std::function<void(CFile&)>& write, bool& created) {
  const std::unique_ptr<CFile> file = files.CreateForWriting(path);
  created = true;
  write(*file);
  file->Close();
}

}  // namespace

void SaveFileSafely(FileSystemPort& files, const std::string& path,
                    const std::function<void(CFile&)>& write, bool discardIncomplete) {
  if (files.Exists(path)) {
    const std::string folder = FolderOf(path);
    std::string temp;
    try {
      temp = files.CreateTempFileIn(folder);
    } catch (const CFileException& e) {
      throw CTempFileException(e.Cause(), e.OsError(), folder);
    }
    try {
      bool created = false;
      WriteAndClose(files, temp, write, created);
      files.Replace(path, temp);
    } catch (...) {
      files.Delete(temp);
      throw;
    }
    return;
  }
  bool created = false;
  try {
    WriteAndClose(files, path, write, created);
  } catch (...) {
    // Only a file this save created or emptied is removed, never one that
    // could not even be opened.
    if (created && discardIncomplete) files.Delete(path);
    throw;
  }
}
