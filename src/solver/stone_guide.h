// How far the stone still has to go to the goal, as the search's guide: the cheapest way over the
// field's cells from where the stone is. The stone slides along a floor, falls where nothing holds
// it (and through a tile the hammer can break), and rises only when a spring throws it, flying
// over what it could not slide past. A straight line to the goal misleads on a stage whose way
// down is far from the goal: a stone on a floor right over the goal is no nearer than one at the
// only hole that leads there, and one falling down a shaft out of the field is nowhere.
//
// It reads the map only and knows no rule of play: it ranks moments, and never says which win.
#pragma once

#include <array>
#include <cstdint>

#include "stagedata/world.h"

namespace slidestone::solver {

class StoneGuide {
 public:
  // What a step of the way costs, in pixels.
  static constexpr int kCell = 32;        // a slide or a fall of one cell
  static constexpr int kBreak = 32;       // more for a tile the hammer must break first
  static constexpr int kRise = 96;        // up one cell, thrown by a spring
  static constexpr int kFly = 64;         // across one cell while thrown
  static constexpr int kNoWay = 1 << 14;  // the stone cannot get to the goal from there
  // The field's cells: the map's rim beyond them is never a place of the way.
  static constexpr int kCols = kFieldW / 32;
  static constexpr int kRows = kFieldH / 32;

  // The stone's distance from the goal at the world's moment, over the world's map.
  int Distance(const Model& w);
  // The distance from a cell the stone slides or falls in (kNoWay when no way leads from it).
  int CellDistance(int col, int row) const { return cells_[Index(col, row, false)]; }

 private:
  static constexpr size_t kNodes = size_t(kCols * kRows * 2);  // every cell, sliding or thrown
  static size_t Index(int col, int row, bool thrown) {
    return (size_t(row) * kCols + size_t(col)) * 2 + (thrown ? 1 : 0);
  }
  void Update(const Model& w);
  void Build();

  Grid map_, objects_;  // the last ones seen
  // What the way depends on, a code a cell: the stone can be in it, in it once the hammer has
  // broken it, or never; and whether it is the goal. A tool at work, an arrow turned or a spring
  // set changes the map but not this, and the table stays.
  std::array<uint8_t, size_t(kCols * kRows)> kinds_{};
  bool known_ = false;
  std::array<int, kNodes> cells_{};
};

}  // namespace slidestone::solver
