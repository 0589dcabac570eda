#pragma once
// The one macro document of the program. Other parts read and write its
// fields directly; the framework gives it a title, a path and the
// modified flag.

#include <string>

#include "document/macro_data.h"
#include "document_commands/document.h"

// Offered in the message shown for a file written by a newer version.
extern const char* const kUpgradeAddress;
// "Zorvakomat Error:  Unable to load this file with this version of ..."
std::string VersionTooNewMessage();

// The newest file format this program reads and the one it writes.
constexpr std::int32_t kFileFormatVersion = 1;

class CZorvakDoc : public CDocument, public MacroData {
 public:
  bool OnNewDocument() override;
  // Every slot blank, as after New.
  void DeleteContents() override;
  // Storing writes the content. Loading reads a whole file, then replaces
  // the content with it: every slot beyond the file's counts is blank
  // afterwards. It throws CNewerVersionException (with
  // VersionTooNewMessage() as its notice) or CArchiveException (file too
  // short; a count above 50), and then the document is as it was.
  void Serialize(CArchive& ar) override;

  // The version word of the last file loaded (for tools that show it).
  std::int32_t LoadedVersion() const { return loaded_version_; }

 private:
  void Store(CArchive& ar) const;
  void Load(CArchive& ar);

  std::int32_t loaded_version_ = kFileFormatVersion;
};
