// Pieces the stone's slide step and its spring launch share.
#pragma once

#include "stagedata/game.h"

namespace slidestone {

// One step of the stone's rotation: 40 steps a turn, 8 pictures of 5 steps each.
inline void AdvanceStoneSpin(Game& g) {
  g.StoneSpin = (g.StoneSpin + 1) % 40;
  g.StoneSpinX = (g.StoneSpin / 5) * 32;
}

// The large green speed digit after the SPEED label of the stage screen.
void DrawSpeedDigit(Game& g, int digit);

// The spring launch: spring ticks, then the flight; runs instead of the slide step.
void StoneLaunchStep(Game& g);

}  // namespace slidestone
