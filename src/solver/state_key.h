// What decides the future of a moment of play, folded into one number: two moments with the
// same key are searched once. The sparkles, the glints, the figure's pictures and the clocks'
// phases are left out; the places count in steps of a few pixels and the time in half seconds.
#pragma once

#include <cstdint>

#include "stagedata/world.h"

namespace slidestone::solver {

uint64_t StateKey(const World& w);

}  // namespace slidestone::solver
