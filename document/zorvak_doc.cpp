#include "document/zorvak_doc.h"

#include <memory>
#include <utility>

#include "storage/archive.h"
#include "storage/exceptions.h"

const char* const kUpgradeAddress = "https://zorvakomat.example.com/download";

std::string VersionTooNewMessage() {
  return std::string(
             "Zorvakomat Error:  Unable to load this file with this version of Zorvakomat.  "
             "Please check for an upgrade at ") +
         kUpgradeAddress + ".";
}

bool CZorvakDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return false;
  DeleteContents();
  return true;
}

void CZorvakDoc::DeleteContents() {
  ClearAll();
  loaded_version_ = kFileFormatVersion;
}

void CZorvakDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    Store(ar);
  } else {
    Load(ar);
  }
}

void CZorvakDoc::Store(CArchive& ar) const {
  ar.WriteInt32(kFileFormatVersion);
  ar.WriteInt32(0);
  ar.WriteInt32(0);
  ar.WriteInt32(nNumSubMenus);
  for (int s = 0; s < SubMenuCount(); ++s) {
    ar.WriteInt32(nNumSubMenuItems[s]);
    ar.WriteString(strSubMenuName[s]);
    for (int j = 0; j < ItemCount(s); ++j) {
      const int k = ItemSlot(s, j);
      ar.WriteString(strSubMenuItemName[k]);
      ar.WriteString(strSubMenuItemText[k]);
      ar.WriteInt32(bChainToNext[k]);
    }
  }
}

namespace {

// A count above the document's capacity is outside the format: refuse it
// before it is stored, so that nothing past the capacity is ever touched.
std::int32_t CheckedCount(std::int32_t count, int capacity) {
  if (count > capacity) throw CArchiveException(CArchiveException::badIndex);
  return count;
}

}  // namespace

void CZorvakDoc::Load(CArchive& ar) {
  const std::int32_t version = ar.ReadInt32();
  ar.ReadInt32();
  ar.ReadInt32();
  if (version > kFileFormatVersion) throw CNewerVersionException(VersionTooNewMessage());
  // Read into a blank document (thousands of strings: kept off the stack)
  // that takes this one's place only once the whole file has been read.
  auto fresh = std::make_unique<MacroData>();
  fresh->nNumSubMenus = CheckedCount(ar.ReadInt32(), kMaxSubMenus);
  for (int s = 0; s < fresh->nNumSubMenus; ++s) {
    fresh->nNumSubMenuItems[s] = CheckedCount(ar.ReadInt32(), kMaxItems);
    ar.ReadString(fresh->strSubMenuName[s]);
    for (int j = 0; j < fresh->nNumSubMenuItems[s]; ++j) {
      const int k = ItemSlot(s, j);
      ar.ReadString(fresh->strSubMenuItemName[k]);
      ar.ReadString(fresh->strSubMenuItemText[k]);
      fresh->bChainToNext[k] = ar.ReadInt32();
    }
  }
  static_cast<MacroData&>(*this) = std::move(*fresh);
  loaded_version_ = version;
}
