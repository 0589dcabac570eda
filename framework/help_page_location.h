#pragma once
// Where a help page is found: in the program's own folder, where it is
// installed, and nowhere else. The current folder is never searched: a
// program started by opening a shared document runs in that document's
// folder, and a page lying there did not come with the program.

#include <optional>
#include <string>

// The page's path in programFolder; none when the program's folder is not
// known (a bare name would be looked for in the current folder).
std::optional<std::string> HelpPagePath(const std::string& fileName,
                                        const std::string& programFolder);
