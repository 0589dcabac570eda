#pragma once
// What the user is told when a document cannot be opened or saved. Each
// function takes the failure in flight (std::current_exception() inside a
// catch) and the full path of the document's file.

#include <exception>
#include <optional>
#include <string>

inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";

// Opening or saving through the File menu: a file failure names the
// document's path (and the folder, where no temporary file could be made
// there); a file too short or out of shape is an unexpected format;
// anything else failed to open or to save.
std::string OpenFailureMessage(const std::exception_ptr& failure, const std::string& path);
std::string SaveFailureMessage(const std::exception_ptr& failure, const std::string& path);

// The notice of a file written by a newer version, shown before the
// failure's own message; nothing for any other failure.
std::optional<std::string> NewerVersionNotice(const std::exception_ptr& failure);

// The tray menu's Open: each failure speaks for itself, naming the file
// only where the failure carries its name.
std::string TrayOpenFailureMessage(const std::exception_ptr& failure);
