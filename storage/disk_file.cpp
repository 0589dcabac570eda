#include "storage/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "storage/exceptions.h"

namespace {

// 64-bit offsets on every platform (long is 32 bits on Windows).
std::int64_t Tell(std::FILE* f) {
#ifdef _WIN32
  return _ftelli64(f);
#else
  return ftello(f);
#endif
}

int Seek(std::FILE* f, std::int64_t offset, int origin) {
#ifdef _WIN32
  return _fseeki64(f, offset, origin);
#else
  return fseeko(f, offset, origin);
#endif
}

// A new file opened for reading and writing, made in one step with the
// check that the name is free.
std::FILE* OpenNew(const std::string& path) {
#ifdef _WIN32
  const int fd =
      _open(path.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "w+b");
  if (file == nullptr) _close(fd);
#else
  const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "w+b");
  if (file == nullptr) close(fd);
#endif
  return file;
}

}  // namespace

int FileCauseFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return CFileException::fileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return CFileException::accessDenied;
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL:
      return CFileException::badPath;
    case EMFILE:
    case ENFILE:
      return CFileException::tooManyOpenFiles;
    case ENOSPC:
      return CFileException::diskFull;
    case EIO:
      return CFileException::hardIO;
    case EBADF:
      return CFileException::invalidFile;
    default:
      return CFileException::genericException;
  }
}

DiskFile::DiskFile(const std::string& path, Mode mode) : path_(path) {
  errno = 0;
  file_ = mode == Mode::createNew ? OpenNew(path)
                                  : std::fopen(path.c_str(), mode == Mode::read ? "rb" : "w+b");
  // A file to be made in a folder that does not exist has a bad path, as
  // Windows reports it, rather than being a file that was not found.
  if (file_ == nullptr) Fail(mode != Mode::read && errno == ENOENT ? ENOTDIR : errno);
  // The archive buffers; a second buffer here would only copy every byte
  // once more.
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

DiskFile::~DiskFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void DiskFile::Fail(int error) const {
  throw CFileException(FileCauseFromErrno(error), error, path_);
}

std::size_t DiskFile::Read(void* buffer, std::size_t count) {
  if (file_ == nullptr) throw CFileException(CFileException::invalidFile, EBADF, path_);
  const std::size_t got = std::fread(buffer, 1, count, file_);
  if (got < count && std::ferror(file_)) Fail(errno != 0 ? errno : EIO);
  return got;
}

void DiskFile::Write(const void* buffer, std::size_t count) {
  if (file_ == nullptr) throw CFileException(CFileException::invalidFile, EBADF, path_);
  errno = 0;
  if (std::fwrite(buffer, 1, count, file_) != count) Fail(errno != 0 ? errno : EIO);
}

void DiskFile::Flush() {
  if (file_ != nullptr && std::fflush(file_) != 0) Fail(errno != 0 ? errno : EIO);
}

void DiskFile::Close() {
  if (file_ == nullptr) return;
  std::FILE* f = file_;
  file_ = nullptr;
  errno = 0;
  if (std::fclose(f) != 0) Fail(errno != 0 ? errno : EIO);
}

std::uint64_t DiskFile::GetLength() const {
  if (file_ == nullptr) return 0;
  const std::int64_t here = Tell(file_);
  Seek(file_, 0, SEEK_END);
  const std::int64_t end = Tell(file_);
  Seek(file_, here, SEEK_SET);
  return end < 0 ? 0 : static_cast<std::uint64_t>(end);
}

std::uint64_t DiskFile::GetPosition() const {
  if (file_ == nullptr) return 0;
  const std::int64_t here = Tell(file_);
  return here < 0 ? 0 : static_cast<std::uint64_t>(here);
}
