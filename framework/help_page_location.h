#pragma once
// Where a help page is found: next to the executable first (where the
// program is installed), then in the current directory (a program started
// by opening a document runs in the document's folder).

#include <functional>
#include <string>

// The first of the two places where the page exists; when it exists in
// neither, the current directory's, so the failure names where it was
// expected last.
std::string LocateHelpPage(const std::string& fileName, const std::string& executableDir,
                           const std::string& currentDir,
                           const std::function<bool(const std::string&)>& fileExists);
