#include "document_commands/document_failure_messages.h"

#include "storage/error_messages.h"
#include "storage/exceptions.h"

namespace {

bool IsFormatFailure(const CArchiveException& e) {
  switch (e.Cause()) {
    case CArchiveException::endOfFile:
    case CArchiveException::badIndex:
    case CArchiveException::badClass:
    case CArchiveException::badSchema:
      return true;
    default:
      return false;
  }
}

std::string Message(const std::exception_ptr& failure, const std::string& path, bool saving) {
  const char* const otherwise = saving ? kFailedToSaveDocument : kFailedToOpenDocument;
  try {
    std::rethrow_exception(failure);
  } catch (const CTempFileException& e) {
    return TempFileErrorMessage(path, e.FileName());
  } catch (const CFileException& e) {
    // The file the user knows: a save through a temporary file still names
    // the document's own file.
    return FileErrorMessage(e.Cause(), path);
  } catch (const CArchiveException& e) {
    return !saving && IsFormatFailure(e) ? kUnexpectedFileFormat : otherwise;
  } catch (...) {
    return otherwise;
  }
}

}  // namespace

std::string OpenFailureMessage(const std::exception_ptr& failure, const std::string& path) {
  return Message(failure, path, false);
}

std::string SaveFailureMessage(const std::exception_ptr& failure, const std::string& path) {
  return Message(failure, path, true);
}

std::optional<std::string> NewerVersionNotice(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const CNewerVersionException& e) {
    return e.Notice();
  } catch (...) {
    return std::nullopt;
  }
}

std::string TrayOpenFailureMessage(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const CFileException& e) {
    return MessageOf(e);
  } catch (const CArchiveException& e) {
    return MessageOf(e);
  } catch (...) {
    return kFailedToOpenDocument;
  }
}
