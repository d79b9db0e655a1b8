// How much room a won proof leaves: each timed press of its play moved earlier and later, the
// rest of the proof played as written (its `until` lines wait for the game as before), until the
// proof loses. A stage whose winning line holds only when a press lands within a few frames asks
// for a machine, not a player.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/full_game.h"
#include "shell/verify.h"

namespace slidestone {

// Moves are tried up to this far; a press that survives it is not what limits the proof.
constexpr int64_t kSlackCapMs = 1000;
// The measure stops when the last move that won and the first that lost are this close.
constexpr int64_t kSlackStepMs = 10;
// A press moves earlier at most to one walk step after the key event before it: the player is
// not ready for it sooner.
constexpr int64_t kSlackMinGapMs = 50;
// Below these a move is flagged as tight.
constexpr int64_t kSlackBoundNormalMs = 250;
constexpr int64_t kSlackBoundHardMs = 100;

struct Slack {
  bool measured = false;   // the proof was measured
  bool limited = false;    // some move within the cap lost
  int64_t ms = kSlackCapMs;  // the tightest move that still won
  bool later = false;      // which way that move went
  int64_t at = 0;          // when the press was, in ms from the start of play
  int key = 0;             // which key
};

// Replays the proof `lines` (which won, delivering `keys` in its play) with one timed press at a
// time moved: later by a `wait` before its line, earlier by cutting short what the proof waited
// for once the player was ready. Reports the tightest move. `stage` is 1..18, `level` 1 NORMAL or
// 2 HARD; the runs keep their files in `workDir`.
Slack MeasureSlack(const RunKit& kit, const std::string& stageDir, int stage, int32_t level,
                   const std::vector<std::string>& lines, const std::vector<TimedKey>& keys,
                   const std::string& workDir);

// The press of the tightest move in words, e.g. "SPACE at 23.4 s, 180 ms later".
std::string DescribeSlack(const Slack& s);

}  // namespace slidestone
