// The walk step: every 50 ms the figure reads the keys, walks, starts a jump, a drop, a pipe
// trip or the tool menu, falls under gravity, picks up buckets, is tested against enemies and
// the ball, dozes off when left alone, and wears the stone's speed down.
#include <algorithm>

#include "audio/audio.h"
#include "play/play.h"
#include "play/player_steps.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int kMaxPlayerX = kFieldW - 32;    // 576: the right edge of the field
constexpr int kMenuMaxX = kFieldW - 72;      // 536: the menu box stays inside the field
constexpr int kIdleStart = 200;              // walk steps (10 s) before the idle frames
constexpr int kDozeStart = 230;              // ... and before the dozing frames
constexpr int kSlowDownSteps = 500;          // walk steps (25 s) per lost speed level

// Walking keys are never consumed: holding one walks on. A move into a wall or past the field's
// edge is undone as a whole, back to where the figure was last drawn.
void Walk(World& g) {
  if (Held(g, kKeyRight)) {
    g.PlayerX += 4;
    g.IdleCount = 0;
    g.PlayerPose = 0;
    g.PlayerFrame = (g.PlayerFrame + 1) % 4;
    const int x = g.PlayerX, y = g.PlayerY;
    if (x > kMaxPlayerX || SolidAt(g, x + 31, y) || SolidAt(g, x + 31, y + 31)) {
      g.PlayerX = g.PlayerPrevX;
    }
  }
  if (Held(g, kKeyLeft)) {
    g.PlayerX -= 4;
    g.IdleCount = 0;
    g.PlayerPose = 1;
    g.PlayerFrame = (g.PlayerFrame + 1) % 4;
    const int x = g.PlayerX, y = g.PlayerY;
    if (SolidAt(g, x, y) || SolidAt(g, x, y + 31) || x < 0) g.PlayerX = g.PlayerPrevX;
  }
  // The footstep falls on the second walking frame, on ground, even against a wall.
  if ((Held(g, kKeyLeft) || Held(g, kKeyRight)) && g.PlayerFrame == 1 &&
      (SolidAt(g, g.PlayerX + 4, g.PlayerY + 32) || SolidAt(g, g.PlayerX + 27, g.PlayerY + 32))) {
    g.audio->PlayEffect(kSoundFootstep, kChannelMain);
  }
}

// The figure leaves its idle or pipe look for the plain one when it takes off.
void TryJump(World& g) {
  if (!Held(g, kKeyUp)) return;
  g.IdleCount = 0;
  const int x = g.PlayerX, y = g.PlayerY;
  if (!(SolidAt(g, x, y + 32) || SolidAt(g, x + 31, y + 32)) || g.PlayerY < 32) return;
  StartJump(g);
}

// Down over two pipe cells sends the figure down the pipe; otherwise it drops through the floor
// it stands on, unless that floor is the bottom row.
void TryPipeOrDrop(World& g) {
  if (!Held(g, kKeyDown)) return;
  g.IdleCount = 0;
  const int x = g.PlayerX, y = g.PlayerY;
  const int left = x + 8, right = x + 20;
  if (FreeAt(g, left, y + 31) && FreeAt(g, right, y + 31) && g.Map.AtPixel(left, y + 32) == kPipe &&
      g.Map.AtPixel(right, y + 32) == kPipe) {
    g.PlayerFrame = 0;
    g.PlayerPose = 2;
    g.PlayerX = (g.PlayerX + 8) / 32 * 32;
    g.InPipe = kTrue;
    Consume(g, kKeyDown);
    g.ActionCount = 0;
    g.PlayerInAction = kTrue;
    // The pipe in use is marked so the exit search does not come back to it.
    g.Map(g.PlayerCol, g.PlayerFootRow) = kPipeInUse;
    g.audio->PlayEffect(kSoundPipe, kChannelMain);
    return;
  }
  if ((SolidAt(g, x, y + 32) || SolidAt(g, x + 31, y + 32)) && g.PlayerY + 64 < kFieldH) StartDrop(g);
}

// Up (from no floor: JumpFloorY -1) or down through the floor the figure stands on.
void TakeOff(World& g, int key, int32_t vy, int32_t floorY) {
  g.PlayerFrame = 0;
  if (g.PlayerPose >= 2) g.PlayerPose = 0;
  g.PlayerInAction = kTrue;
  g.Jumping = kTrue;
  g.ActionCount = 0;
  Consume(g, key);
  g.JumpFloorY = floorY;
  g.JumpVy = vy;
  g.audio->PlayEffect(kSoundJump, kChannelMain);
}

// A stage that offers none of the three tools never opens the menu: there would be nothing for
// the cursor to rest on.
bool AnyToolOffered(const World& g) {
  const auto& offered = g.StageItems[g.Stage];
  return offered[kToolHammer] != 0 || offered[kToolBroom] != 0 || offered[kToolSpring] != 0;
}

void TryOpenMenu(World& g) {
  if (!Held(g, kKeySpace)) return;
  g.IdleCount = 0;
  if (g.PlayerPose == 2 && g.PlayerFrame >= 1) g.PlayerFrame = 0;
  const int x = g.PlayerX, y = g.PlayerY;
  // Both feet on ground.
  if (!(SolidAt(g, x + 8, y + 32) && SolidAt(g, x + 23, y + 32))) return;
  if (!AnyToolOffered(g)) return;
  g.MenuOpen = kTrue;
  g.MenuCursor = 0;
  while (g.StageItems[g.Stage][g.MenuCursor] == 0) g.MenuCursor += 1;  // first offered slot
  Consume(g, kKeySpace);
  g.MenuX = std::clamp(x - 24, 0, kMenuMaxX);
  g.MenuY = y >= 32 ? y - 28 : y + 36;  // above the head, or below it on the top row
  g.view->ToolMenuOpened();
  g.audio->PlayEffect(kSoundMenuOpen, kChannelToolMenu);
}

// Falling speeds up by a pixel per step each step; a move that would sink the feet into a floor
// is refused and the speed halved, so standing still the speed settles into a small cycle.
void Gravity(World& g) {
  const int x = g.PlayerX, y = g.PlayerY;
  int ny = y + g.walkVy / 10;
  if (FreeAt(g, x + 8, ny + 31) && FreeAt(g, x + 23, ny + 31) && FreeAt(g, x + 8, ny) &&
      FreeAt(g, x + 23, ny)) {
    g.walkVy += 10;
  } else if (SolidAt(g, x, ny + 31) || SolidAt(g, x + 31, ny + 31)) {
    ny = y;
    g.walkVy /= 2;
  }
  g.PlayerY = ny;
}

// A bucket under the figure's centre column is collected while standing on ground: five more
// tool points, with the points zoom.
void PickUpItem(World& g) {
  const int col = (g.PlayerX + 16) / 32, row = g.PlayerY / 32;
  if (g.AiMap(col, row) != kBucket || FreeAt(g, g.PlayerX + 16, g.PlayerY + 32)) return;
  g.audio->PlayEffect(kSoundItem, kChannelItem);
  g.AiMap(col, row) = kNoObject;
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i) {
    ItemRecord& item = g.Items[i];
    if (item.x == col * 32 && item.y == g.PlayerY) item.kind = kItemCollected;
  }
  g.ToolPoints += 5;
  g.PointsFlash = kTrue;
  g.view->ToolPointsShown();
  g.PointsFlashStep = 0;
  HudEffectsStep(g);
}

void TestHits(World& g) {
  if (IsHitByEnemy(g)) StartKnockOut(g);
  if (IsHitByBall(g)) StruckByBall(g);
}

// Left alone for 10 seconds the figure turns to the viewer, then dozes, two frames in turn.
void IdlePoses(World& g) {
  const int i = g.IdleCount;
  if (i < kIdleStart) return;
  if (i < kDozeStart) {
    g.PlayerFrame = 1 + (i - kIdleStart) / 10;
    g.PlayerPose = 2;
    return;
  }
  g.PlayerPose = 3;
  g.PlayerFrame = (i % 20) / 10;
  g.IdleCount = std::max(i % 2000, kDozeStart);
}

void FallOut(World& g) {
  if (FellOut(g, g.PlayerY)) g.audio->PlayEffect(kSoundFall, kChannelMain);
}

// Every walk step, standing or walking, wears the stone down: one speed level per 500 steps.
void SlowDownClock(World& g) {
  g.SpeedDecayCount += 1;
  if (g.SpeedDecayCount < kSlowDownSteps) return;
  g.SpeedFlash = kTrue;
  g.SpeedChange = 1;
  g.StoneSpeed -= 1;
  g.SpeedDecayCount = 0;
  g.SpeedFlashStep = 0;
  HudEffectsStep(g);
}

}  // namespace

constexpr int32_t kJumpVy = -125, kDropVy = -60;  // upward speed at take-off

void StartJump(World& g) { TakeOff(g, kKeyUp, kJumpVy, -1); }

void StartDrop(World& g) {
  g.DropThrough = kTrue;
  TakeOff(g, kKeyDown, kDropVy, g.PlayerY);
}

void PlayerWalkStep(World& g) {
  g.PlayerFootRow = g.PlayerY / 32 + 1;
  g.PlayerCol = (g.PlayerX + 15) / 32;
  g.IdleCount += 1;
  Walk(g);
  TryJump(g);
  TryPipeOrDrop(g);
  TryOpenMenu(g);
  Gravity(g);
  PickUpItem(g);
  TestHits(g);
  IdlePoses(g);
  FallOut(g);
  g.SceneDirty = kTrue;
  SlowDownClock(g);
}

}  // namespace slidestone
