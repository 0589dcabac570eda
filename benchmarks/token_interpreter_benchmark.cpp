// The token interpreter on long texts: a quoted token full of "[" that
// open no token ("[\"" + "[x" repeated + "]\"]") and a plain quoted text, at
// 1 M and 2 M characters. Linear time shows as about twice the time for
// twice the length.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "playback/playback.h"
#include "playback/recording_platform.h"

namespace {

// Effects go nowhere: only the interpreter is measured.
class DroppedEffects : public EffectSink {
 public:
  void Write(const Effect&) override {}
};

std::string QuotedToken(std::size_t length, const std::string& unit) {
  std::string text = "[\"";
  while (text.size() + unit.size() + 3 <= length) text += unit;
  return text + "]\"]";
}

void RunQuoted(benchmark::State& state, const std::string& unit) {
  const std::string text = QuotedToken(static_cast<std::size_t>(state.range(0)), unit);
  DroppedEffects effects;
  RecordingPlatform platform(effects);
  const auto doc = std::make_unique<MacroData>();
  Playback playback(platform.Ports(), *doc);
  for (auto _ : state) benchmark::DoNotOptimize(playback.RunToken(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_QuotedOpenBrackets(benchmark::State& state) { RunQuoted(state, "[x"); }
void BM_QuotedPlainText(benchmark::State& state) { RunQuoted(state, "ab"); }

BENCHMARK(BM_QuotedOpenBrackets)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuotedPlainText)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond);

}  // namespace
