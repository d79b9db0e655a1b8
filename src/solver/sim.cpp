#include "solver/sim.h"

#include <exception>

#include "play/play.h"
#include "stagedata/stage_loader.h"

namespace slidestone::solver {

namespace {

// The clock when the game starts: a game started from the title is well past the stage clock's
// first interval, so loading the stage counts its first tenth, as it does here.
constexpr int64_t kStartClock = 100000;
// The curtain and the START banner take about three seconds; ten is plenty.
constexpr int kOpeningLimit = 10000;

}  // namespace

void Sim::Pass() {
  changesAt_ = StagePass(w);
  if (!queued_.empty()) changesAt_ = w.Now + 1;  // the next pass reads the keys
  for (const KeyPress& e : queued_) {
    w.KeyState[size_t(e.key)] = e.down ? kTrue : kFalse;
    log.push_back({pass, e.key, e.down});
  }
  queued_.clear();
  ++w.Now;
  ++pass;
  ++passesRun;
}

bool StartStage(Sim& sim, const std::string& stageDir, int stage, int32_t difficulty, std::string& why) {
  World& w = sim.w;
  w.stageDir = stageDir;
  w.StartStage = stage - 1;
  w.Difficulty = difficulty;
  w.Now = kStartClock;
  try {
    NewGame(w, OpenStageHud);
  } catch (const std::exception& e) {
    why = e.what();
    return false;
  }
  for (int i = 0; i < kOpeningLimit && On(w.StagePhaseFlag); ++i) {
    StagePass(w);
    ++w.Now;
  }
  if (On(w.StagePhaseFlag) || w.GameState != kStatePlay) {
    why = "play never began";
    return false;
  }
  sim.pass = 0;
  sim.log.clear();
  sim.Restore(TakeSnapshot(w), 0);
  return true;
}

}  // namespace slidestone::solver
