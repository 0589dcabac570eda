#pragma once
// The texts the user sees for file and archive failures, with %1 filled in.

#include <string>

#include "storage/exceptions.h"

// "an unnamed file": what %1 becomes when a failure carries no file name.
extern const char* const kUnnamedFile;

// The file error table, by cause code; %1 = fileName (or kUnnamedFile).
std::string FileErrorMessage(int cause, const std::string& fileName);
// The archive error table, by cause code; %1 = fileName (or kUnnamedFile).
std::string ArchiveErrorMessage(int cause, const std::string& fileName);

// A file that could not be saved over because no temporary file could be
// made in its folder.
std::string TempFileErrorMessage(const std::string& path, const std::string& folder);

std::string MessageOf(const CFileException& e);
std::string MessageOf(const CArchiveException& e);

// Replaces every "%1" in pattern with value.
std::string FormatMessage1(const std::string& pattern, const std::string& value);
