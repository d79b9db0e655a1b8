// Measures the model on its own, in one process: the full-game proof replayed with nothing drawn
// (x real time), and a snapshot taken and restored (microseconds). Not a test: the figures
// depend on the machine. scripts/bench runs it.
//   slidestone_model_bench DATA_DIR FULL_GAME_SCRIPT [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "play/play.h"
#include "presentation/game.h"
#include "services/settings.h"
#include "shell/app.h"
#include "shell/script.h"
#include "stagedata/stage_loader.h"

namespace slidestone {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// One replay of the script with nobody watching; returns the game time it covered, in ms.
int64_t ReplayUnwatched(const std::string& data, const std::string& script) {
  auto game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  g.audio = &audio;
  g.settings = &settings;
  g.stageDir = data + "/stage";
  App app(g, false);
  std::FILE* quiet = std::fopen("/dev/null", "w");
  ScriptHost host{app, g, &audio, nullptr, quiet};
  host.err = quiet;
  host.headless = true;
  const int code = RunScript(script, host);
  std::fclose(quiet);
  if (code != 0) {
    std::fprintf(stderr, "model_bench: %s did not replay (exit %d)\n", script.c_str(), code);
    std::exit(1);
  }
  return g.Now;
}

// A world in the middle of stage 1's play, then many snapshots taken and restored.
double SnapshotMicroseconds(const std::string& data) {
  World w;
  RecordingAudio audio;
  w.audio = &audio;
  w.stageDir = data + "/stage";
  NewGame(w, OpenStageHud);
  for (int i = 0; i < 10000; ++i) {
    StagePass(w);
    ++w.Now;
  }
  constexpr int kRounds = 200000;
  Model snap{};
  const auto t0 = Clock::now();
  for (int i = 0; i < kRounds; ++i) {
    snap = TakeSnapshot(w);
    snap.Now += i & 1;  // a change the compiler cannot see through
    RestoreSnapshot(w, snap);
  }
  const auto t1 = Clock::now();
  return Seconds(t0, t1) * 1e6 / kRounds;
}

}  // namespace
}  // namespace slidestone

int main(int argc, char** argv) {
  using namespace slidestone;
  if (argc < 3) {
    std::fprintf(stderr, "usage: slidestone_model_bench DATA_DIR FULL_GAME_SCRIPT [RUNS]\n");
    return 2;
  }
  const std::string data = argv[1], script = argv[2];
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  std::vector<double> speeds;
  int64_t gameMs = 0;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    gameMs = ReplayUnwatched(data, script);
    const auto t1 = Clock::now();
    speeds.push_back(double(gameMs) / 1000.0 / Seconds(t0, t1));
  }
  std::sort(speeds.begin(), speeds.end());
  std::printf("full game, model only: %.0f s of game time; best %.0fx real time, median %.0fx\n",
              double(gameMs) / 1000.0, speeds.back(), speeds[speeds.size() / 2]);
  std::printf("snapshot taken and restored: %.3f us (model of %zu bytes)\n",
              SnapshotMicroseconds(data), sizeof(Model));
  return 0;
}
