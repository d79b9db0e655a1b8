// Pieces the stone's slide step and its spring launch share.
#pragma once

#include "stagedata/world.h"

namespace slidestone {

// One step of the stone's rotation: 40 steps a turn, 8 pictures of 5 steps each.
inline void AdvanceStoneSpin(World& g) {
  g.StoneSpin = (g.StoneSpin + 1) % 40;
  g.StoneSpinX = (g.StoneSpin / 5) * 32;
}

// The spring launch: spring ticks, then the flight; runs instead of the slide step.
void StoneLaunchStep(World& g);

}  // namespace slidestone
