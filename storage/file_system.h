#pragma once
// Every file operation the document commands make, behind one small
// interface: Windows supplies the real one, the tests a fake that can fail
// any step. Failures that the user must hear about are thrown as
// CFileException carrying the full path concerned.

#include <memory>
#include <string>

#include "storage/file.h"

class FileSystemPort {
 public:
  virtual ~FileSystemPort() = default;

  // Opens an existing file for reading; others may read it meanwhile but
  // not write it. Throws CFileException.
  virtual std::unique_ptr<CFile> OpenForReading(const std::string& path) = 0;
  // Creates the file, or empties an existing one, for reading and writing,
  // shared with nobody. Throws CFileException.
  virtual std::unique_ptr<CFile> CreateForWriting(const std::string& path) = 0;

  virtual bool Exists(const std::string& path) = 0;
  // Makes a new, empty file with a unique name in folder and returns its
  // path. Throws CFileException when no file can be made there.
  virtual std::string CreateTempFileIn(const std::string& folder) = 0;
  // Puts replacement in the place of target in one step; target stays as it
  // was when this fails. Throws CFileException naming target.
  virtual void Replace(const std::string& target, const std::string& replacement) = 0;
  // Removes a file; false when it could not be removed.
  virtual bool Delete(const std::string& path) = 0;

  // The name the system shows the user for a file (its last part, with or
  // without the extension as the user prefers).
  virtual std::string FileTitle(const std::string& path) = 0;
  // The full path of a possibly relative one; unchanged when it has none.
  virtual std::string FullPath(const std::string& path) = 0;
};
