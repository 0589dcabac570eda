#include "tools/zvk/trace_run.h"

#include <memory>

#include "playback/playback.h"

void Trace::RunText(std::string_view text) {
  const auto empty = std::make_unique<MacroData>();
  Playback playback(platform_.Ports(), *empty);
  lines_.SlotFinished(playback.RunText(text));
}

void Trace::RunPick(const MacroData& doc, Pick pick) {
  Playback playback(platform_.Ports(), doc);
  playback.SetListener(&lines_);
  playback.ArmPick(pick);
  playback.OnKillFocus();
}
