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
void PipeTravel(World& g) {
  g.SceneDirty = kTrue;
  g.PlayerY += g.PipeDir * 2;
  g.ActionCount += 1;
  if (g.ActionCount == kPipeSinkSteps) {
    g.PipeWarpPending = kTrue;
    g.PipeDir = -g.PipeDir;
    g.audio->PlayEffect(kSoundPipe, kChannelMain);
  }
  if (g.ActionCount == kPipeTripSteps) {
    g.PlayerPose = 2;
    g.PlayerY = (g.PlayerY + 16) / 32 * 32;
    g.PlayerFrame = 0;
    g.InPipe = kFalse;
    g.PlayerInAction = kFalse;
    g.PipeDir = -g.PipeDir;
  }
}

void Land(World& g, int& ny) {
  g.PlayerFrame = 1;
  ny = ny / 32 * 32;
  g.Jumping = kFalse;
  g.PlayerInAction = kFalse;
  g.DropThrough = kFalse;
  g.JumpFloorY = 0;
  g.audio->PlayEffect(kSoundLand, kChannelMain);
}

// Feet on something solid with the middle of the body free: a floor to stand on.
bool FloorUnder(const World& g, int x, int ny) {
  return FreeAt(g, x + 4, ny + 16) && FreeAt(g, x + 27, ny + 16) &&
         (SolidAt(g, x + 4, ny + 31) || SolidAt(g, x + 27, ny + 31));
}

// A drop onto a floor two cells thick cannot go through: the figure lands back where it stood.
bool ThickFloorUnder(const World& g, int x, int ny) {
  return FreeAt(g, x + 4, ny) && FreeAt(g, x + 27, ny) &&
         (SolidAt(g, x + 4, ny + 31) || SolidAt(g, x + 27, ny + 31)) &&
         (SolidAt(g, x + 4, ny + 63) || SolidAt(g, x + 27, ny + 63));
}

// Jumps and drops. The flight never tests the head or the sides: the figure passes up through
// tiles and steers through walls; only a landing from above stops it.
void Flight(World& g) {
  const int x = g.PlayerX;
  int ny = g.PlayerY + g.JumpVy / 10;
  g.JumpVy = std::min(g.JumpVy + 10, kMaxFallVy);
  if (ny <= kCeilingY) {
    ny = kCeilingY;
    g.JumpVy = 10;
  }
  // Once a jump has reached the top edge it may land anywhere from y = 0 down.
  if (ny <= 0 && g.JumpFloorY < 0) g.JumpFloorY = -32;
  if (g.JumpFloorY + 32 <= ny && g.JumpVy >= 0 && FloorUnder(g, x, ny)) Land(g, ny);
  if (ny <= kFieldH - 32 && On(g.DropThrough) && g.JumpVy >= 0 && g.JumpFloorY <= ny &&
      ny <= g.JumpFloorY + 32 && ThickFloorUnder(g, x, ny)) {
    Land(g, ny);
  }
  g.PlayerY = ny;
  if (Held(g, kKeyRight)) {
    g.PlayerPose = 0;
    g.PlayerX += 2;
    if (g.PlayerX > kMaxPlayerX) g.PlayerX = g.PlayerPrevX;
  }
  if (Held(g, kKeyLeft)) {
    g.PlayerPose = 1;
    g.PlayerX -= 2;
    if (g.PlayerX < 0) g.PlayerX = g.PlayerPrevX;
  }
  if (FellOut(g, g.PlayerY)) g.audio->PlayEffect(kSoundFall, kChannelMain);
  g.SceneDirty = kTrue;
}

// The spring is set down at the end of the animation; the tool point was paid at the menu.
void PlaceSpring(World& g) {
  if (g.ActionCount % 5 == 0) g.PlayerFrame += 1;
  if (g.ActionCount < kSpringPlaceSteps) {
    g.ActionCount += 1;
  } else {
    g.AiMap(g.SpringX / 32, g.SpringY / 32) = kPlacedSpring;
    g.PlayerFrame = 1;
    g.PlayerPose = 0;
    g.PlacingSpring = kFalse;
    g.PlayerInAction = kFalse;
    g.SpringShown = kTrue;
    g.audio->PlayEffect(kSoundSpring, kChannelMain);
    g.view->ToolPointsShown();
    g.PointsFlash = kTrue;
    g.view->ToolPointsShown();
    g.PointsFlashStep = 0;
    HudEffectsStep(g);
  }
  g.SceneDirty = kTrue;
}

// Up 12, 11, ... 1 pixels, a pause, then down faster and faster (at most 32 a step) through
// everything until the figure is out of the field.
void KnockOut(World& g) {
  if (g.ActionCount == 0) g.audio->PlayEffect(kSoundPlayerHit, kChannelMain);
  if (g.ActionCount > 12) {
    g.PlayerY += std::min(g.ActionCount - 12, 32);
  } else {
    g.PlayerY -= 12 - g.ActionCount;
  }
  g.ActionCount += 1;
  g.PlayerFrame = 2;
  g.PlayerPose = 3;
  if (BelowField(g.PlayerY)) {  // struck: held at the edge, and the try ends
    g.PlayerY = kFieldH;
    g.StagePhaseFlag = kTrue;
  }
}

}  // namespace

void UpdatePlayerAction(World& g) {
  if (!StepDue(g, g.actionClock, 30)) return;
  if (On(g.PlayerHit)) {  // a hit cancels whatever was under way
    g.InPipe = kFalse;
    g.Jumping = kFalse;
    g.PlacingSpring = kFalse;
  }
  if (On(g.InPipe)) PipeTravel(g);
  if (On(g.Jumping)) Flight(g);
  if (On(g.PlacingSpring)) PlaceSpring(g);
  if (On(g.PlayerHit)) KnockOut(g);
  if (IsHitByEnemy(g)) {
    StartKnockOut(g);
    // Struck in the middle of an action, the figure leaves the pipe, the jump or the spring.
    g.InPipe = kFalse;
    g.Jumping = kFalse;
    g.PlacingSpring = kFalse;
    g.SceneDirty = kTrue;
  }
  if (IsHitByBall(g)) StruckByBall(g);
}

}  // namespace slidestone
