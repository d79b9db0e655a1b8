// Where the stone goes from a moment on if the player does nothing more: the cells it passes
// through and the cells it slides over, how near it comes to the goal, and whether it gets
// there. A tool is worth trying only where the stone will come: a spring in a cell it passes
// through, the broom on a tile it slides over (anywhere while the stone stays put by itself; the
// hammer on any breakable tile). How near it comes leads the search.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "solver/moves.h"
#include "solver/sim.h"
#include "solver/state_key.h"

namespace slidestone::solver {

// How near the stone is to the goal, in pixels, by each of the measures the search ranks
// moments by (search.cpp says which).
constexpr int kMeasures = 2;
using Nearness = std::array<int, kMeasures>;

struct StoneReach {
  std::bitset<kGridCols * kGridRows> through, over;
  Nearness nearest{};     // the stone's nearest to the goal on the way, by each measure
  bool won = false;       // the way ends in the goal
  bool moves = false;     // the stone leaves its place at all

  bool Through(int col, int row) const { return In(col, row) && through[Index(col, row)]; }
  bool Over(int col, int row) const { return In(col, row) && over[Index(col, row)]; }
  static bool In(int col, int row) { return col >= 0 && row >= 0 && col < kGridCols && row < kGridRows; }
  static size_t Index(int col, int row) { return size_t(row) * kGridCols + size_t(col); }
};

// Follows the stone from the sim's moment for `passes` passes with no key touched (the sim is
// left wherever that run ended). Moments that differ only in the player's place share their
// reach, so it is kept per stone, map and time.
//
// The run stops early when the stone comes back to a place, direction and fall it slid from
// before while nothing can have changed the field since: from there it only goes round the same
// way again (its speed sets the pace, not the way), so the rest of the run would mark nothing
// new and cannot end in the goal. `closeLoops` false follows every stone to the end.
class ReachCache {
 public:
  explicit ReachCache(std::function<Nearness(const Model&)> distance, bool closeLoops = true)
      : distance_(std::move(distance)), closeLoops_(closeLoops) {}
  const StoneReach& Of(Sim& sim, int passes);
  void Clear() { cache_.clear(); }
  size_t Size() const { return cache_.size(); }

 private:
  std::function<Nearness(const Model&)> distance_;
  bool closeLoops_;
  std::unordered_map<uint64_t, StoneReach> cache_;
  std::unordered_set<uint64_t> slid_;  // the stone's slides since the field last changed
  GridsHash grids_;
};

}  // namespace slidestone::solver

namespace slidestone::solver {

// Whether tool move `m`, made where the player stands, changes a cell the stone will come to.
bool WithinReach(const StoneReach& reach, const Model& w, Move m);

}  // namespace slidestone::solver
