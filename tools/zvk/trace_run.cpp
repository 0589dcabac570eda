#include "tools/zvk/trace_run.h"

#include <memory>

#include "playback/effect_text.h"
#include "playback/playback.h"

namespace {

// Collects the lines in order: the effects recorded so far are written
// out before every line of its own.
class TraceLines : public SlotListener {
 public:
  // Effects recorded before this run are not part of it.
  explicit TraceLines(const RecordingPlatform& platform)
      : platform_(platform), taken_(platform.Effects().size()) {}

  void SlotStarting(int subMenu, int item) override {
    Add("run " + std::to_string(subMenu) + " " + std::to_string(item));
  }
  void SlotFinished(int, int, bool recognised) override { Add(recognised ? "recognised" : "pasted"); }

  void Add(std::string line) {
    TakeEffects();
    lines_.push_back(std::move(line));
  }

  std::vector<std::string> Finish() {
    TakeEffects();
    return std::move(lines_);
  }

 private:
  void TakeEffects() {
    const std::vector<Effect>& effects = platform_.Effects();
    for (; taken_ < effects.size(); ++taken_) {
      std::string line = EffectText(effects[taken_]);
      if (!line.empty()) lines_.push_back(std::move(line));
    }
  }

  const RecordingPlatform& platform_;
  std::size_t taken_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> TraceText(RecordingPlatform& platform, const std::string& text) {
  const auto empty = std::make_unique<MacroData>();
  Playback playback(platform, *empty);
  TraceLines lines(platform);
  const bool recognised = playback.RunText(text);
  lines.Add(recognised ? "recognised" : "pasted");
  return lines.Finish();
}

std::vector<std::string> TracePick(RecordingPlatform& platform, const MacroData& doc, int s, int j) {
  Playback playback(platform, doc);
  TraceLines lines(platform);
  playback.SetListener(&lines);
  playback.nPickSubMenu = s;
  playback.nPickItem = j;
  playback.bPickPending = true;
  playback.OnKillFocus();
  return lines.Finish();
}
