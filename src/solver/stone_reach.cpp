#include "solver/stone_reach.h"

#include <algorithm>

namespace slidestone::solver {

namespace {

// Everything the stone's way depends on: itself, the field and the clock (its speed wears down
// with time). The player is left out.
uint64_t StoneKey(const World& w) {
  uint64_t h = 0x84222325cbf29ce4ULL;
  auto add = [&h](int64_t v) {
    h ^= uint64_t(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h *= 0xff51afd7ed558ccdULL;
  };
  for (const int64_t v : {int64_t(w.StoneX), int64_t(w.StoneY), int64_t(w.StoneDir), int64_t(w.StoneSpeed),
                          int64_t(w.StoneLaunched), int64_t(w.stoneVy), int64_t(w.StageTime / 5),
                          int64_t(w.SpeedDecayCount / 20)}) {
    add(v);
  }
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) {
      add(w.Map(c, r));
      add(w.AiMap(c, r));
    }
  }
  return h;
}

void Mark(StoneReach& reach, const World& w) {
  const int x = w.StoneX, y = w.StoneY;
  for (const int px : {x, x + 31}) {
    for (const int py : {y, y + 31}) {
      if (StoneReach::In(px / 32, py / 32) && px >= 0 && py >= 0) reach.through[StoneReach::Index(px / 32, py / 32)] = true;
    }
    const int below = (y + 32) / 32;
    if (px >= 0 && y + 32 >= 0 && StoneReach::In(px / 32, below)) reach.over[StoneReach::Index(px / 32, below)] = true;
  }
}

}  // namespace

const StoneReach& ReachCache::Of(Sim& sim, int passes) {
  const uint64_t key = StoneKey(sim.w);
  if (const auto found = cache_.find(key); found != cache_.end()) return found->second;
  StoneReach reach;
  Mark(reach, sim.w);
  reach.nearest = distance_(sim.w);
  int32_t lastX = sim.w.StoneX, lastY = sim.w.StoneY;
  const int32_t end = sim.pass + passes;
  while (sim.pass < end && !sim.Over()) {
    sim.Advance(end);
    if (sim.w.StoneX != lastX || sim.w.StoneY != lastY) {
      lastX = sim.w.StoneX;
      lastY = sim.w.StoneY;
      Mark(reach, sim.w);
      reach.nearest = std::min(reach.nearest, distance_(sim.w));
    }
  }
  reach.won = sim.Won();
  if (reach.won) reach.nearest = 0;
  return cache_.emplace(key, reach).first->second;
}

}  // namespace slidestone::solver

namespace slidestone::solver {

bool WithinReach(const StoneReach& reach, const World& w, Move m) {
  if (m == Move::kSpring) return reach.Through((w.PlayerX + 16) / 32, w.PlayerY / 32);
  return reach.Over((w.PlayerX + 15) / 32, w.PlayerY / 32 + 1);
}

}  // namespace slidestone::solver
