// One run of a proof: a fresh game plays a script of key input headless, and the run watches for
// the first stage to end. What it sees there (or why it saw no end) is the run's outcome, and
// the keys delivered during that stage's play, counted from its first pass.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/full_game.h"
#include "shell/verify.h"

namespace slidestone {

// Before play begins a proof only walks the menus; two minutes there means it is lost in them.
constexpr int64_t kMenuLimitMs = 120000;
// Once play has begun the stage must end within its own time plus this much.
constexpr int64_t kPlayGraceMs = 60000;
// Appended to every run: the watcher ends the run long before this runs out.
constexpr int64_t kTailWaitMs = 86400000;

// What one run saw at the first stage end (or why it saw none).
struct Outcome {
  std::string problem;  // a failure before any stage ended: files, script, menus, no end
  bool ended = false;
  int32_t stage = -1;  // 0-based, the stage that was being played
  int32_t difficulty = 0, reason = 0, score = 0, par = 0, time = 0, tools = 0;
  bool timeLimitOn = true;
  std::string cause;  // in words, why the stage ended
  std::vector<TimedKey> keys;  // delivered from the first pass of play to the end
  bool keyHeldAtStart = false;
  std::string printed;  // what the script's `print` lines wrote
};

// Why the stage being played ended, in words: goal, time up, a fall, a knock-out...
std::string CauseOfEnd(const Game& g);

// Plays `lines` (with a long wait added at the end) in a fresh game, headless, keeping the
// script and the settings file it writes in `workDir`. The run stops at the first stage end,
// after kMenuLimitMs without reaching play, or after the stage's time + kPlayGraceMs of play.
Outcome PlayProof(const RunKit& kit, const std::string& stageDir, std::vector<std::string> lines,
                  const std::string& workDir);

}  // namespace slidestone
