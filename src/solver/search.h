// The stage solver: a best-first search over what a player does (solver/moves.h), each move one
// model-only run from a snapshot of the moment before it. Moments are told apart by what decides
// the future (the player's place, the stone's place, direction, speed and flight, the map, the
// objects, the enemies, the tool points, the time in coarse steps); one already seen is not
// searched again. The nearest the stone has been to the goal leads the search.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "solver/moves.h"
#include "solver/sim.h"

namespace slidestone::solver {

// What a finished line achieved, as the stage's end counts it.
struct LineSummary {
  int32_t toolUses = 0;
  int32_t score = 0;     // the stage score at the goal
  int32_t timeLeft = 0;  // tenths of a second
  int32_t passes = 0;    // virtual ms from the first pass of play to the goal
};

struct Progress {
  int64_t states = 0;     // moments expanded
  int64_t moves = 0;      // moves played from them (each a run of the model from the moment)
  int64_t passes = 0;     // passes of the model run, moves and the stone's ways together
  int32_t depth = 0;      // moves of the line being expanded
  int32_t nearest = 0;    // the stone's nearest to the goal so far, in pixels
  int32_t nearestDepth = 0;
  double seconds = 0;
  bool memoryFull = false;  // the search stopped at its memory bound
};

struct SolveRequest {
  std::string stageDir;
  int stage = 1;  // 1-based
  int32_t difficulty = kNormal;
  double seconds = 60;           // the budget
  int64_t maxStates = 0;         // another budget, in moments expanded (0: none)
  size_t maxOpen = 100000;       // moments kept waiting to be expanded (each is a snapshot)
  size_t maxBytes = size_t(900) << 20;  // what the search may hold; it stops there
  // Only a win this accepts counts (the shortcut search asks for one that beats the proof).
  std::function<bool(const LineSummary&)> accept;
  // When set, the search goes on after a win until the budget is spent, and keeps the best:
  // a later win counts only when it is better than the best so far.
  std::function<bool(const LineSummary& line, const LineSummary& best)> better;
  // How long the search has run, in seconds: the caller's clock (the rules have none).
  std::function<double()> elapsed;
  // Asked at every moment expanded: true stops the search as a spent budget does (a cancel).
  std::function<bool()> stop;
  // Called now and then, and once at the end.
  std::function<void(const Progress&)> progress;
};

enum class Verdict {
  kWon,
  kBudgetSpent,  // no win found within the budget
  kExhausted,    // every moment reachable with these moves was searched: no win
  kLostAtStart,  // the stage is lost before the player could make any move
  kBadStage,     // the stage cannot be played (unreadable folder, no play)
};

struct SolveResult {
  Verdict verdict = Verdict::kBudgetSpent;
  std::string why;                 // for kBadStage
  std::vector<KeyPress> line;      // the winning key events, passes counted from play's start
  std::vector<Move> moves;         // the same line as moves, for reading
  LineSummary summary;
  Progress progress;
  double foundAfter = 0;  // seconds into the search when the line was found
};

SolveResult Solve(const SolveRequest& request);

// Plays a line of key events (a proof's, say) model-only from the start of the stage to its end;
// whether it won, with what it achieved. A tool use is a tool point paid.
bool ReplayLine(const std::string& stageDir, int stage, int32_t difficulty, const std::vector<KeyPress>& line,
                LineSummary& summary);

}  // namespace slidestone::solver
