// Pieces the stone's slide step and its spring launch share.
#pragma once

#include "play/play.h"
#include "stagedata/model.h"

namespace slidestone {

// One step of the stone's rotation: 40 steps a turn, 8 pictures of 5 steps each.
inline void AdvanceStoneSpin(StoneState& stone) {
  stone.StoneSpin = (stone.StoneSpin + 1) % 40;
  stone.StoneSpinX = (stone.StoneSpin / 5) * 32;
}

// The spring launch: spring ticks, then the flight; runs instead of the slide step.
void StoneLaunchStep(StoneScope s);

}  // namespace slidestone
