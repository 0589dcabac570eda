// Away from Windows, rename replaces the target atomically; the new file
// first takes the old one's permissions (a file only its owner may read
// stays so).
#include "storage/rename_over.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "storage/disk_file.h"

int RenameOver(const std::string& from, const std::string& to) {
  // Where they cannot be carried over, the new file keeps its own, which
  // let only its owner read and write it.
  if (struct stat old{}; stat(to.c_str(), &old) == 0) chmod(from.c_str(), old.st_mode & 07777);
  errno = 0;
  if (std::rename(from.c_str(), to.c_str()) == 0) return 0;
  return FileCauseFromErrno(errno);
}
