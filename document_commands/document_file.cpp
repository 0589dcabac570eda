#include "document_commands/document_file.h"

#include <memory>

#include "storage/archive.h"
#include "storage/safe_save.h"

void LoadDocumentFile(FileSystemPort& files, const std::string& path, CDocument& document,
                      EmptyFile empty) {
  const std::unique_ptr<CFile> file = files.OpenForReading(path);
  if (empty == EmptyFile::emptyDocument && file->GetLength() == 0) {
    file->Close();
    document.DeleteContents();
    return;
  }
  CArchive ar(*file, CArchive::load);
  document.Serialize(ar);
  ar.Close();
  file->Close();
}

void SaveDocumentFile(FileSystemPort& files, const std::string& path, CDocument& document,
                      bool discardIncomplete) {
  SaveFileSafely(
      files, path,
      [&document](CFile& file) {
        CArchive ar(file, CArchive::store);
        document.Serialize(ar);
        ar.Close();
      },
      discardIncomplete);
}
