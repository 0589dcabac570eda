// Away from Windows, rename replaces the target atomically.
#include "storage/rename_over.h"

#include <cerrno>
#include <cstdio>

#include "storage/disk_file.h"

int RenameOver(const std::string& from, const std::string& to) {
  errno = 0;
  if (std::rename(from.c_str(), to.c_str()) == 0) return 0;
  return FileCauseFromErrno(errno);
}
