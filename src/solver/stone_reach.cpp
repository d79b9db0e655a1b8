#include "solver/stone_reach.h"

#include <algorithm>

namespace slidestone::solver {

namespace {

// Everything the stone's way depends on: itself, the field and the clock (its speed wears down
// with time). The player is left out.
uint64_t StoneKey(const Model& w, GridsHash& grids) {
  uint64_t h = 0x84222325cbf29ce4ULL;
  auto add = [&h](int64_t v) {
    h ^= uint64_t(v) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    h *= 0xff51afd7ed558ccdULL;
  };
  for (const int64_t v : {int64_t(w.StoneX), int64_t(w.StoneY), int64_t(w.StoneDir), int64_t(w.StoneSpeed),
                          int64_t(w.StoneLaunched), int64_t(w.stoneVy), int64_t(w.StageTime / 5),
                          int64_t(w.SpeedDecayCount / 20), int64_t(grids.Of(w))}) {
    add(v);
  }
  return h;
}

void Mark(StoneReach& reach, const Model& w) {
  const int x = w.StoneX, y = w.StoneY;
  for (const int px : {x, x + 31}) {
    for (const int py : {y, y + 31}) {
      if (StoneReach::In(px / 32, py / 32) && px >= 0 && py >= 0) reach.through[StoneReach::Index(px / 32, py / 32)] = true;
    }
    const int below = (y + 32) / 32;
    if (px >= 0 && y + 32 >= 0 && StoneReach::In(px / 32, below)) reach.over[StoneReach::Index(px / 32, below)] = true;
  }
}

// Nothing but the stone itself can change the field from here: no tool at work, no broken tile
// waiting to come back, nobody in a pipe; and the stone is sliding, not thrown, and has not just
// spent a speed tile (its flash starts with it).
bool FieldSettled(const Model& w) {
  if (On(w.StoneLaunched) || (On(w.SpeedFlash) && w.SpeedChange == 0)) return false;
  if (On(w.MenuOpen) || w.ToolAnim != 0 || On(w.InPipe)) return false;
  for (int i = 0; i < w.SpeedTileCount && i < kMaxSpeedTiles; ++i)
    if (On(w.SpeedTiles[size_t(i)].broken)) return false;
  return true;
}

// What decides the stone's next slides on a field that stays as it is.
uint64_t Slide(const Model& w) {
  return uint64_t(uint16_t(w.StoneX)) | uint64_t(uint16_t(w.StoneY)) << 16 | uint64_t(uint16_t(w.stoneVy)) << 32 |
         uint64_t(uint8_t(w.StoneDir)) << 48;
}

}  // namespace

const StoneReach& ReachCache::Of(Sim& sim, int passes) {
  const uint64_t key = StoneKey(sim.w, grids_);
  if (const auto found = cache_.find(key); found != cache_.end()) return found->second;
  StoneReach reach;
  Mark(reach, sim.w);
  reach.nearest = distance_(sim.w);
  int32_t lastX = sim.w.StoneX, lastY = sim.w.StoneY;
  uint64_t lastSlide = Slide(sim.w);
  if (!slid_.empty()) slid_.clear();
  const int32_t end = sim.pass + passes;
  while (sim.pass < end && !sim.Over()) {
    sim.Advance(end);
    if (sim.w.StoneX != lastX || sim.w.StoneY != lastY) {
      lastX = sim.w.StoneX;
      lastY = sim.w.StoneY;
      reach.moves = true;
      Mark(reach, sim.w);
      const Nearness now = distance_(sim.w);
      for (int i = 0; i < kMeasures; ++i) reach.nearest[size_t(i)] = std::min(reach.nearest[size_t(i)], now[size_t(i)]);
    }
    if (!closeLoops_) continue;
    if (!FieldSettled(sim.w)) {
      if (!slid_.empty()) slid_.clear();  // clearing sweeps every bucket, even of an empty set
      continue;
    }
    const uint64_t slide = Slide(sim.w);
    if (slide == lastSlide) continue;
    lastSlide = slide;
    if (!slid_.insert(slide).second) break;  // round again: nothing new from here
  }
  reach.won = sim.Won();
  if (reach.won) reach.nearest.fill(0);
  return cache_.emplace(key, reach).first->second;
}

}  // namespace slidestone::solver

namespace slidestone::solver {

bool WithinReach(const StoneReach& reach, const Model& w, Move m) {
  if (m == Move::kSpring) return reach.Through((w.PlayerX + 16) / 32, w.PlayerY / 32);
  // A stone that never moves by itself waits for the player to set the field up first (turn the
  // arrow it is stuck on, say), so a tile anywhere may be on the way it takes then.
  if (!reach.moves) return true;
  // A broken tile leaves a way down where the stone may come only after a later tool turns it
  // there: the hammer is tried on every breakable tile (there are few, and the player must stand
  // on one).
  if (m == Move::kHammer) return true;
  return reach.Over((w.PlayerX + 15) / 32, w.PlayerY / 32 + 1);
}

}  // namespace slidestone::solver
