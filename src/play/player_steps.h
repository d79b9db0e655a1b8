// Pieces the player step, the action step and the tool menu share: the cell probes in the
// figure's own pixel notation and the effects of being struck.
#pragma once

#include "play/play.h"
#include "stagedata/model.h"

namespace slidestone {

inline bool FreeAt(const FieldState& field, int px, int py) { return !SolidAt(field, px, py); }

inline bool Held(const KeyboardState& keys, int key) { return On(keys.KeyState[key]); }
// A press that starts one action only: the next action needs a new key-down event.
inline void Consume(KeyboardState& keys, int key) { keys.KeyState[key] = kFalse; }

// The walk step, every 50 ms (player_walk.cpp).
void PlayerWalkStep(PlayerScope s);

// The figure leaves the ground on the press of Up: a jump from where it stands (also from the
// edge of a hole the hammer just made). StartDrop is the same on Down through the floor it stands
// on. Both take the key, turn the figure to its take-off frame and sound the jump.
void StartJump(PlayerState& player, KeyboardState& keys, Audio& audio);
void StartDrop(PlayerState& player, KeyboardState& keys, Audio& audio);

// An enemy or its ball found the player: the knock-out starts from its first frame. Where the
// figure was busy the caller ends that too.
inline void StartKnockOut(PlayerState& player) {
  player.PlayerHit = kTrue;
  player.PlayerInAction = kTrue;
  player.ActionCount = 0;
}

// A thrown ball found the player: the knock-out starts and the ball is gone.
inline void StruckByBall(PlayerState& player, EnemiesState& enemies, StageState& stage) {
  StartKnockOut(player);
  stage.SceneDirty = kTrue;
  enemies.BallActive = kFalse;
  enemies.BallX = 0;
}

}  // namespace slidestone
