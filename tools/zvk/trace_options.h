#pragma once
// The command line of zvk trace:
//   trace [--layout us|fr|de] [--answer TEXT | --ok | --cancel]... TEXT
//   trace [--layout us|fr|de] [--answer TEXT | --ok | --cancel]... --pick S J FILE
// "--" ends the options, so that a TEXT may begin with "--". The layout is
// the focus window's (US unless given).

#include <optional>
#include <string>
#include <vector>

#include "playback/modelled_layouts.h"
#include "playback/pick.h"
#include "playback/recording_platform.h"

struct TraceOptions {
  ModelledLayout layout = ModelledLayout::us;
  std::vector<DataEntryAnswer> answers;  // texts as given on the command line
  std::string text;                      // without --pick
  std::optional<Pick> pick;              // with --pick, and the file it names
  std::string file;
};

// Throws ToolError (usage) for a command line that does not fit; S and J
// must be whole numbers from 0 to 49.
TraceOptions ParseTraceOptions(const std::vector<std::string>& args);
