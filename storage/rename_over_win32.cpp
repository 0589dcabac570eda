// On Windows the finished file takes the old one's place through
// ReplaceFileA, which keeps the old file's attributes, its security (who
// may read and write it), its other streams and its creation time, as a
// plain rename would not. Where it cannot do its work, a plain rename,
// which also replaces the file in one step, puts the new file in place.
//
// Wine 8.0 has ReplaceFileA rename the new file over the old one without
// carrying anything over, and refuse a read-only file (access denied), a
// file open without write sharing (a sharing violation) and a missing one
// (not found), as Windows does; it takes only a full path for the file to
// replace (a relative one fails as "the directory name is invalid").
#include <windows.h>

#include "storage/full_path_win32.h"
#include "storage/os_error_win32.h"
#include "storage/rename_over.h"

namespace {

// ReplaceFileA failed in a way a plain rename mends: the old file is not
// there (any more), the file system offers no such replacement, or the
// files kept their names. Any other failure (access denied, a sharing or a
// lock violation) has left the old file untouched and is the user's to
// hear about: renaming over it would go round what refused.
bool RenameInstead(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_PARAMETER:
    case ERROR_CALL_NOT_IMPLEMENTED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    // The new file could not be moved in and still has its own name; the
    // old one may already be gone, so the new one goes in by name now.
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
      return true;
    default:
      return false;
  }
}

}  // namespace

int RenameOver(const std::string& fromPath, const std::string& toPath) {
  const std::string from = FullPathOf(fromPath);
  const std::string to = FullPathOf(toPath);
  if (ReplaceFileA(to.c_str(), from.c_str(), nullptr,
                   REPLACEFILE_WRITE_THROUGH | REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return 0;
  }
  const DWORD error = GetLastError();
  if (!RenameInstead(error)) return FileCauseFromOsError(error);
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  return FileCauseFromOsError(GetLastError());
}
