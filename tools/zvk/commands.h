#pragma once
// The zvk commands. Each takes the arguments after its name, writes its
// result to out and the messages of the program (such as the version
// message) to err, and returns the exit status; a failure is thrown as a
// ToolError.

#include <ostream>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int RunDump(const Arguments& args, std::ostream& out, std::ostream& err);
int RunBuild(const Arguments& args, std::ostream& out, std::ostream& err);
int RunCheck(const Arguments& args, std::ostream& out, std::ostream& err);
int RunTrace(const Arguments& args, std::ostream& out, std::ostream& err);

// Throws the usage error unless args holds exactly count arguments.
void ExpectArgumentCount(const Arguments& args, std::size_t count, const char* command);
