#pragma once
// The framework's two failure kinds for files and archives. They carry a
// cause code (the index into the message tables of error_messages.h) and,
// where known, the name of the file concerned.

#include <cstdint>
#include <string>
#include <utility>

class CException {
 public:
  virtual ~CException() = default;
};

class CFileException : public CException {
 public:
  enum Cause : int {
    none = 0,
    genericException = 1,
    fileNotFound = 2,
    badPath = 3,
    tooManyOpenFiles = 4,
    accessDenied = 5,
    invalidFile = 6,
    removeCurrentDir = 7,
    directoryFull = 8,
    badSeek = 9,
    hardIO = 10,
    sharingViolation = 11,
    lockViolation = 12,
    diskFull = 13,
    endOfFile = 14,
  };

  CFileException(int cause, std::int32_t osError, std::string fileName = {})
      : cause_(cause), os_error_(osError), file_name_(std::move(fileName)) {}

  int Cause() const { return cause_; }
  std::int32_t OsError() const { return os_error_; }
  // Empty: the failure names no file.
  const std::string& FileName() const { return file_name_; }

 private:
  int cause_;
  std::int32_t os_error_;
  std::string file_name_;
};

// A file written by a newer version of the program. It fails as a file
// failure of the generic kind, naming no file, and carries the notice the
// user is shown before that failure is reported.
class CNewerVersionException : public CFileException {
 public:
  explicit CNewerVersionException(std::string notice)
      : CFileException(genericException, 9), notice_(std::move(notice)) {}
  const std::string& Notice() const { return notice_; }

 private:
  std::string notice_;
};

// No temporary file could be made in the folder of a file being saved over:
// the save stopped before anything was written. FileName() is the folder.
class CTempFileException : public CFileException {
 public:
  using CFileException::CFileException;
};

class CArchiveException : public CException {
 public:
  enum Cause : int {
    none = 0,
    genericException = 1,
    readOnly = 2,
    endOfFile = 3,
    writeOnly = 4,
    badIndex = 5,  // reported as "%1 has a bad format."
    badClass = 6,
    badSchema = 7,
  };

  explicit CArchiveException(int cause, std::string fileName = {})
      : cause_(cause), file_name_(std::move(fileName)) {}

  int Cause() const { return cause_; }
  const std::string& FileName() const { return file_name_; }

 private:
  int cause_;
  std::string file_name_;
};
