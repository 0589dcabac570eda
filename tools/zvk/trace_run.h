#pragma once
// What zvk trace prints: the effects of a run on the recording platform,
// one line each, with "run S J" before every item slot of a pick and
// "recognised" or "pasted" after every slot.

#include <string>
#include <vector>

#include "document/macro_data.h"
#include "playback/recording_platform.h"

// Runs text the way the item runner runs one item slot.
std::vector<std::string> TraceText(RecordingPlatform& platform, const std::string& text);

// Runs pick (s, j) of doc the way the item runner runs a pick: the wait,
// the item, then its chain.
std::vector<std::string> TracePick(RecordingPlatform& platform, const MacroData& doc, int s, int j);
