// Pieces the player step, the action step and the tool menu share: the cell probes in the
// figure's own pixel notation and the effects of being struck.
#pragma once

#include "stagedata/world.h"

namespace slidestone {

inline bool FreeAt(const World& g, int px, int py) { return !SolidAt(g, px, py); }

inline bool Held(const World& g, int key) { return On(g.KeyState[key]); }
// A press that starts one action only: the next action needs a new key-down event.
inline void Consume(World& g, int key) { g.KeyState[key] = kFalse; }

// The walk step, every 50 ms (player_walk.cpp).
void PlayerWalkStep(World& g);

// The figure leaves the ground on the press of Up: a jump from where it stands (also from the
// edge of a hole the hammer just made). StartDrop is the same on Down through the floor it stands
// on. Both take the key, turn the figure to its take-off frame and sound the jump.
void StartJump(World& g);
void StartDrop(World& g);

// An enemy or its ball found the player: the knock-out starts from its first frame. Where the
// figure was busy the caller ends that too.
inline void StartKnockOut(World& g) {
  g.PlayerHit = kTrue;
  g.PlayerInAction = kTrue;
  g.ActionCount = 0;
}

// A thrown ball found the player: the knock-out starts and the ball is gone.
inline void StruckByBall(World& g) {
  StartKnockOut(g);
  g.SceneDirty = kTrue;
  g.BallActive = kFalse;
  g.BallX = 0;
}

}  // namespace slidestone
