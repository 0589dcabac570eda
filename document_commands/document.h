#pragma once
// The framework's document: a title, the path it was last opened from or
// saved to, and the modified flag. Content and its file form belong to the
// derived class.

#include <string>

#include "storage/non_copyable.h"

class CArchive;

class CDocument : private NonCopyable {
 public:
  CDocument() = default;
  virtual ~CDocument() = default;

  // Empties the path name and clears the modified flag. False would stop a
  // New.
  virtual bool OnNewDocument();
  // Empties the content (an empty file opened as a document).
  virtual void DeleteContents() = 0;
  virtual void Serialize(CArchive& ar) = 0;

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) { modified_ = modified; }

  const std::string& GetTitle() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  const std::string& GetPathName() const { return path_name_; }
  void SetPathNameOnly(const std::string& path) { path_name_ = path; }

 private:
  std::string title_;
  std::string path_name_;
  bool modified_ = false;
};
