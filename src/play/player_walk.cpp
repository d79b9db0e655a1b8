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
void Walk(PlayerState& player, const KeyboardState& keys, const FieldState& field, Audio& audio) {
  if (Held(keys, kKeyRight)) {
    player.PlayerX += 4;
    player.IdleCount = 0;
    player.PlayerPose = 0;
    player.PlayerFrame = (player.PlayerFrame + 1) % 4;
    const int x = player.PlayerX, y = player.PlayerY;
    if (x > kMaxPlayerX || SolidAt(field, x + 31, y) || SolidAt(field, x + 31, y + 31)) {
      player.PlayerX = player.PlayerPrevX;
    }
  }
  if (Held(keys, kKeyLeft)) {
    player.PlayerX -= 4;
    player.IdleCount = 0;
    player.PlayerPose = 1;
    player.PlayerFrame = (player.PlayerFrame + 1) % 4;
    const int x = player.PlayerX, y = player.PlayerY;
    if (SolidAt(field, x, y) || SolidAt(field, x, y + 31) || x < 0) player.PlayerX = player.PlayerPrevX;
  }
  // The footstep falls on the second walking frame, on ground, even against a wall.
  if ((Held(keys, kKeyLeft) || Held(keys, kKeyRight)) && player.PlayerFrame == 1 &&
      (SolidAt(field, player.PlayerX + 4, player.PlayerY + 32) ||
       SolidAt(field, player.PlayerX + 27, player.PlayerY + 32))) {
    audio.PlayEffect(kSoundFootstep, kChannelMain);
  }
}

// The figure leaves its idle or pipe look for the plain one when it takes off.
void TryJump(PlayerState& player, KeyboardState& keys, const FieldState& field, Audio& audio) {
  if (!Held(keys, kKeyUp)) return;
  player.IdleCount = 0;
  const int x = player.PlayerX, y = player.PlayerY;
  if (!(SolidAt(field, x, y + 32) || SolidAt(field, x + 31, y + 32)) || player.PlayerY < 32) return;
  StartJump(player, keys, audio);
}

// Down over two pipe cells sends the figure down the pipe; otherwise it drops through the floor
// it stands on, unless that floor is the bottom row.
void TryPipeOrDrop(PlayerState& player, KeyboardState& keys, FieldState& field, Audio& audio) {
  if (!Held(keys, kKeyDown)) return;
  player.IdleCount = 0;
  const int x = player.PlayerX, y = player.PlayerY;
  const int left = x + 8, right = x + 20;
  if (FreeAt(field, left, y + 31) && FreeAt(field, right, y + 31) &&
      field.Map.AtPixel(left, y + 32) == kPipe && field.Map.AtPixel(right, y + 32) == kPipe) {
    player.PlayerFrame = 0;
    player.PlayerPose = 2;
    player.PlayerX = (player.PlayerX + 8) / 32 * 32;
    player.InPipe = kTrue;
    Consume(keys, kKeyDown);
    player.ActionCount = 0;
    player.PlayerInAction = kTrue;
    // The pipe in use is marked so the exit search does not come back to it.
    field.Map(player.PlayerCol, player.PlayerFootRow) = kPipeInUse;
    audio.PlayEffect(kSoundPipe, kChannelMain);
    return;
  }
  if ((SolidAt(field, x, y + 32) || SolidAt(field, x + 31, y + 32)) && player.PlayerY + 64 < kFieldH)
    StartDrop(player, keys, audio);
}

// Up (from no floor: JumpFloorY -1) or down through the floor the figure stands on.
void TakeOff(PlayerState& player, KeyboardState& keys, Audio& audio, int key, int32_t vy,
             int32_t floorY) {
  player.PlayerFrame = 0;
  if (player.PlayerPose >= 2) player.PlayerPose = 0;
  player.PlayerInAction = kTrue;
  player.Jumping = kTrue;
  player.ActionCount = 0;
  Consume(keys, key);
  player.JumpFloorY = floorY;
  player.JumpVy = vy;
  audio.PlayEffect(kSoundJump, kChannelMain);
}

// A stage that offers none of the three tools never opens the menu: there would be nothing for
// the cursor to rest on.
bool AnyToolOffered(const Model& m) {
  const auto& offered = m.StageItems[m.Stage];
  return offered[kToolHammer] != 0 || offered[kToolBroom] != 0 || offered[kToolSpring] != 0;
}

void TryOpenMenu(PlayerScope s) {
  PlayerState& player = s.player();
  ToolMenuState& menu = s.menu();
  if (!Held(s.keys(), kKeySpace)) return;
  player.IdleCount = 0;
  if (player.PlayerPose == 2 && player.PlayerFrame >= 1) player.PlayerFrame = 0;
  const int x = player.PlayerX, y = player.PlayerY;
  // Both feet on ground.
  if (!(SolidAt(s.field(), x + 8, y + 32) && SolidAt(s.field(), x + 23, y + 32))) return;
  if (!AnyToolOffered(s.model())) return;
  menu.MenuOpen = kTrue;
  menu.MenuCursor = 0;
  const auto& offered = s.model().StageItems[s.model().Stage];
  while (offered[menu.MenuCursor] == 0) menu.MenuCursor += 1;  // first offered slot
  Consume(s.keys(), kKeySpace);
  menu.MenuX = std::clamp(x - 24, 0, kMenuMaxX);
  menu.MenuY = y >= 32 ? y - 28 : y + 36;  // above the head, or below it on the top row
  s.view().ToolMenuOpened();
  s.audio().PlayEffect(kSoundMenuOpen, kChannelToolMenu);
}

// Falling speeds up by a pixel per step each step; a move that would sink the feet into a floor
// is refused and the speed halved, so standing still the speed settles into a small cycle.
void Gravity(PlayerState& player, StepState& steps, const FieldState& field) {
  const int x = player.PlayerX, y = player.PlayerY;
  int ny = y + steps.walkVy / 10;
  if (FreeAt(field, x + 8, ny + 31) && FreeAt(field, x + 23, ny + 31) && FreeAt(field, x + 8, ny) &&
      FreeAt(field, x + 23, ny)) {
    steps.walkVy += 10;
  } else if (SolidAt(field, x, ny + 31) || SolidAt(field, x + 31, ny + 31)) {
    ny = y;
    steps.walkVy /= 2;
  }
  player.PlayerY = ny;
}

// A bucket under the figure's centre column is collected while standing on ground: five more
// tool points, with the points zoom.
void PickUpItem(PlayerScope s) {
  const PlayerState& player = s.player();
  FieldState& field = s.field();
  const int col = (player.PlayerX + 16) / 32, row = player.PlayerY / 32;
  if (field.AiMap(col, row) != kBucket || FreeAt(field, player.PlayerX + 16, player.PlayerY + 32)) return;
  s.audio().PlayEffect(kSoundItem, kChannelItem);
  field.AiMap(col, row) = kNoObject;
  for (int i = 0; i < field.ItemCount && i < kMaxItems; ++i) {
    ItemRecord& item = field.Items[i];
    if (item.x == col * 32 && item.y == player.PlayerY) item.kind = kItemCollected;
  }
  s.stage().ToolPoints += 5;
  s.hud().PointsFlash = kTrue;
  s.view().ToolPointsShown();
  s.hud().PointsFlashStep = 0;
  HudEffectsStep(s.hud(), s.steps(), s.view(), s.pace());
}

void TestHits(PlayerScope s) {
  if (IsHitByEnemy(s.model())) StartKnockOut(s.player());
  if (IsHitByBall(s.model())) StruckByBall(s.player(), s.enemies(), s.stage());
}

// Left alone for 10 seconds the figure turns to the viewer, then dozes, two frames in turn.
void IdlePoses(PlayerState& player) {
  const int i = player.IdleCount;
  if (i < kIdleStart) return;
  if (i < kDozeStart) {
    player.PlayerFrame = 1 + (i - kIdleStart) / 10;
    player.PlayerPose = 2;
    return;
  }
  player.PlayerPose = 3;
  player.PlayerFrame = (i % 20) / 10;
  player.IdleCount = std::max(i % 2000, kDozeStart);
}

void FallOut(PlayerState& player, SessionState& session, Audio& audio) {
  if (FellOut(player.PlayerY, On(player.PlayerHit), session)) audio.PlayEffect(kSoundFall, kChannelMain);
}

// Every walk step, standing or walking, wears the stone down: one speed level per 500 steps.
void SlowDownClock(PlayerScope s) {
  StoneState& stone = s.stone();
  stone.SpeedDecayCount += 1;
  if (stone.SpeedDecayCount < kSlowDownSteps) return;
  s.hud().SpeedFlash = kTrue;
  s.hud().SpeedChange = 1;
  stone.StoneSpeed -= 1;
  stone.SpeedDecayCount = 0;
  s.hud().SpeedFlashStep = 0;
  HudEffectsStep(s.hud(), s.steps(), s.view(), s.pace());
}

}  // namespace

constexpr int32_t kJumpVy = -125, kDropVy = -60;  // upward speed at take-off

void StartJump(PlayerState& player, KeyboardState& keys, Audio& audio) {
  TakeOff(player, keys, audio, kKeyUp, kJumpVy, -1);
}

void StartDrop(PlayerState& player, KeyboardState& keys, Audio& audio) {
  player.DropThrough = kTrue;
  TakeOff(player, keys, audio, kKeyDown, kDropVy, player.PlayerY);
}

void PlayerWalkStep(PlayerScope s) {
  PlayerState& player = s.player();
  player.PlayerFootRow = player.PlayerY / 32 + 1;
  player.PlayerCol = (player.PlayerX + 15) / 32;
  player.IdleCount += 1;
  Walk(player, s.keys(), s.field(), s.audio());
  TryJump(player, s.keys(), s.field(), s.audio());
  TryPipeOrDrop(player, s.keys(), s.field(), s.audio());
  TryOpenMenu(s);
  Gravity(player, s.steps(), s.field());
  PickUpItem(s);
  TestHits(s);
  IdlePoses(player);
  FallOut(player, s.session(), s.audio());
  s.stage().SceneDirty = kTrue;
  SlowDownClock(s);
}

}  // namespace slidestone
