// The action step, every 30 ms while an action is under way: the trip through a pipe, the
// flight of a jump or a drop, the placing of a spring and the knock-out after a hit.
#include <algorithm>

#include "audio/audio.h"
#include "play/play.h"
#include "play/player_steps.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kMaxPlayerX = kFieldW - 32;  // 576
constexpr int kCeilingY = -24;             // the highest a jump carries the figure
constexpr int kMaxFallVy = 80;             // tenths of a pixel per step
constexpr int kPipeSinkSteps = 16;         // 32 pixels down into the entry pipe
constexpr int kPipeTripSteps = 33;         // ... and 34 pixels up out of the exit pipe
constexpr int kSpringPlaceSteps = 20;      // 600 ms of placing

// Down into the entry pipe, then, once the tile pass has moved the figure into the exit pipe's
// cell, up and out onto the cell above it.
void PipeTravel(PlayerState& player, StageState& stage, Audio& audio) {
  stage.SceneDirty = kTrue;
  player.PlayerY += player.PipeDir * 2;
  player.ActionCount += 1;
  if (player.ActionCount == kPipeSinkSteps) {
    player.PipeWarpPending = kTrue;
    player.PipeDir = -player.PipeDir;
    audio.PlayEffect(kSoundPipe, kChannelMain);
  }
  if (player.ActionCount == kPipeTripSteps) {
    player.PlayerPose = 2;
    player.PlayerY = (player.PlayerY + 16) / 32 * 32;
    player.PlayerFrame = 0;
    player.InPipe = kFalse;
    player.PlayerInAction = kFalse;
    player.PipeDir = -player.PipeDir;
  }
}

void Land(PlayerState& player, Audio& audio, int& ny) {
  player.PlayerFrame = 1;
  ny = ny / 32 * 32;
  player.Jumping = kFalse;
  player.PlayerInAction = kFalse;
  player.DropThrough = kFalse;
  player.JumpFloorY = 0;
  audio.PlayEffect(kSoundLand, kChannelMain);
}

// Feet on something solid with the middle of the body free: a floor to stand on.
bool FloorUnder(const FieldState& field, int x, int ny) {
  return FreeAt(field, x + 4, ny + 16) && FreeAt(field, x + 27, ny + 16) &&
         (SolidAt(field, x + 4, ny + 31) || SolidAt(field, x + 27, ny + 31));
}

// A drop onto a floor two cells thick cannot go through: the figure lands back where it stood.
bool ThickFloorUnder(const FieldState& field, int x, int ny) {
  return FreeAt(field, x + 4, ny) && FreeAt(field, x + 27, ny) &&
         (SolidAt(field, x + 4, ny + 31) || SolidAt(field, x + 27, ny + 31)) &&
         (SolidAt(field, x + 4, ny + 63) || SolidAt(field, x + 27, ny + 63));
}

// Jumps and drops. The flight never tests the head or the sides: the figure passes up through
// tiles and steers through walls; only a landing from above stops it.
void Flight(ActionScope s) {
  PlayerState& player = s.player();
  const FieldState& field = s.field();
  const int x = player.PlayerX;
  int ny = player.PlayerY + player.JumpVy / 10;
  player.JumpVy = std::min(player.JumpVy + 10, kMaxFallVy);
  if (ny <= kCeilingY) {
    ny = kCeilingY;
    player.JumpVy = 10;
  }
  // Once a jump has reached the top edge it may land anywhere from y = 0 down.
  if (ny <= 0 && player.JumpFloorY < 0) player.JumpFloorY = -32;
  if (player.JumpFloorY + 32 <= ny && player.JumpVy >= 0 && FloorUnder(field, x, ny))
    Land(player, s.audio(), ny);
  if (ny <= kFieldH - 32 && On(player.DropThrough) && player.JumpVy >= 0 && player.JumpFloorY <= ny &&
      ny <= player.JumpFloorY + 32 && ThickFloorUnder(field, x, ny)) {
    Land(player, s.audio(), ny);
  }
  player.PlayerY = ny;
  if (Held(s.keys(), kKeyRight)) {
    player.PlayerPose = 0;
    player.PlayerX += 2;
    if (player.PlayerX > kMaxPlayerX) player.PlayerX = player.PlayerPrevX;
  }
  if (Held(s.keys(), kKeyLeft)) {
    player.PlayerPose = 1;
    player.PlayerX -= 2;
    if (player.PlayerX < 0) player.PlayerX = player.PlayerPrevX;
  }
  if (FellOut(player.PlayerY, On(player.PlayerHit), s.session()))
    s.audio().PlayEffect(kSoundFall, kChannelMain);
  s.stage().SceneDirty = kTrue;
}

// The spring is set down at the end of the animation; the tool point was paid at the menu.
void PlaceSpring(ActionScope s) {
  PlayerState& player = s.player();
  if (player.ActionCount % 5 == 0) player.PlayerFrame += 1;
  if (player.ActionCount < kSpringPlaceSteps) {
    player.ActionCount += 1;
  } else {
    s.field().AiMap(s.stone().SpringX / 32, s.stone().SpringY / 32) = kPlacedSpring;
    player.PlayerFrame = 1;
    player.PlayerPose = 0;
    player.PlacingSpring = kFalse;
    player.PlayerInAction = kFalse;
    s.stone().SpringShown = kTrue;
    s.audio().PlayEffect(kSoundSpring, kChannelMain);
    s.view().ToolPointsShown();
    s.hud().PointsFlash = kTrue;
    s.view().ToolPointsShown();
    s.hud().PointsFlashStep = 0;
    HudEffectsStep(s.hud(), s.steps(), s.view(), s.pace());
  }
  s.stage().SceneDirty = kTrue;
}

// Up 12, 11, ... 1 pixels, a pause, then down faster and faster (at most 32 a step) through
// everything until the figure is out of the field.
void KnockOut(PlayerState& player, SessionState& session, Audio& audio) {
  if (player.ActionCount == 0) audio.PlayEffect(kSoundPlayerHit, kChannelMain);
  if (player.ActionCount > 12) {
    player.PlayerY += std::min(player.ActionCount - 12, 32);
  } else {
    player.PlayerY -= 12 - player.ActionCount;
  }
  player.ActionCount += 1;
  player.PlayerFrame = 2;
  player.PlayerPose = 3;
  if (BelowField(player.PlayerY)) {  // struck: held at the edge, and the try ends
    player.PlayerY = kFieldH;
    session.StagePhaseFlag = kTrue;
  }
}

}  // namespace

void UpdatePlayerAction(ActionScope s) {
  PlayerState& player = s.player();
  if (!s.pace().Due(s.steps().actionClock, 30)) return;
  if (On(player.PlayerHit)) {  // a hit cancels whatever was under way
    player.InPipe = kFalse;
    player.Jumping = kFalse;
    player.PlacingSpring = kFalse;
  }
  if (On(player.InPipe)) PipeTravel(player, s.stage(), s.audio());
  if (On(player.Jumping)) Flight(s);
  if (On(player.PlacingSpring)) PlaceSpring(s);
  if (On(player.PlayerHit)) KnockOut(player, s.session(), s.audio());
  if (IsHitByEnemy(s.model())) {
    StartKnockOut(player);
    // Struck in the middle of an action, the figure leaves the pipe, the jump or the spring.
    player.InPipe = kFalse;
    player.Jumping = kFalse;
    player.PlacingSpring = kFalse;
    s.stage().SceneDirty = kTrue;
  }
  if (IsHitByBall(s.model())) StruckByBall(player, s.enemies(), s.stage());
}

}  // namespace slidestone
