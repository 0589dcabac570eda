#include "storage/file.h"

std::string CFile::GetFileName() const {
  const std::string path = GetFilePath();
  const auto cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}
