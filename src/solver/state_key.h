// What decides the future of a moment of play, folded into one number: two moments with the
// same key are searched once. The sparkles, the glints, the figure's pictures and the clocks'
// phases are left out; the places count in steps of a few pixels and the time in half seconds.
#pragma once

#include <cstdint>

#include "stagedata/world.h"

namespace slidestone::solver {

// The hash of the map and the object grid, kept for the last pair it hashed: moments searched one
// after another mostly share their grids, and comparing two is much quicker than hashing them.
class GridsHash {
 public:
  uint64_t Of(const Model& w);

 private:
  Grid map_, objects_;
  uint64_t hash_ = 0;
  bool known_ = false;
};

uint64_t StateKey(const Model& w, GridsHash& grids);

}  // namespace slidestone::solver
