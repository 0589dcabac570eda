#pragma once
// The command line of zvk trace:
//   trace [--answer TEXT | --ok | --cancel]... TEXT
//   trace [--answer TEXT | --ok | --cancel]... --pick S J FILE
// "--" ends the options, so that a TEXT may begin with "--".

#include <string>
#include <vector>

#include "playback/recording_platform.h"

struct TraceOptions {
  std::vector<DataEntryAnswer> answers;  // texts as given on the command line
  bool pick = false;
  std::string text;  // without --pick
  int submenu = 0;   // with --pick
  int item = 0;
  std::string file;
};

// Throws ToolError (usage) for a command line that does not fit; S and J
// must be whole numbers from 0 to 49.
TraceOptions ParseTraceOptions(const std::vector<std::string>& args);
