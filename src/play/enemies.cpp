// The enemies, every 100 ms: walkers pace the floors and turn at walls and at the field's edges,
// watchers and throwers turn to face the player, throwers wind up and throw the one ball, and
// knocked-out enemies stay dazed for ten steps before they are gone.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {
namespace {

constexpr int64_t kEnemyInterval = 100;
constexpr int kEnemyMaxX = kFieldW - 32;  // 576
constexpr int kBallMaxX = kFieldW - 16;   // 592: the ball is 16 pixels wide

void StepWalker(const FieldState& field, int32_t anim, EnemyRecord& e, int32_t& vy) {
  e.frame = anim / 2;
  if (SolidAt(field, e.x + 4, e.y + 32) || SolidAt(field, e.x + 27, e.y + 32)) {
    if (!On(e.fast)) {
      e.x += e.state * 2;
    } else {
      e.frame = 7;
      e.x += e.state * 8;
    }
    vy = 30;
    // Turning goes back to where the walker was last drawn.
    if ((SolidAt(field, e.x, e.y) || e.x <= 0) && e.state == kWalkerLeft) {
      e.state = kWalkerRight;
      e.x = e.prevX;
      e.fast = kFalse;
    }
    if ((SolidAt(field, e.x + 32, e.y) || e.x >= kEnemyMaxX) && e.state == kWalkerRight) {
      e.state = kWalkerLeft;
      e.x = e.prevX;
      e.fast = kFalse;
    }
  }

  // An odd x passes a column one pixel late, so one past the column counts as well.
  const int32_t inColumn = e.x % 32;
  if ((inColumn == 0 || inColumn == 1) && field.Map.AtPixel(e.x + 16, e.y + 32) == kSpeedTile)
    e.fast = kTrue;

  int ny = e.y + vy / 10;
  if (!SolidAt(field, e.x + 4, ny + 31) && !SolidAt(field, e.x + 27, ny + 31) && !SolidAt(field, e.x + 4, ny) &&
      !SolidAt(field, e.x + 27, ny)) {
    vy += 10;
    e.fast = kFalse;
  } else if (SolidAt(field, e.x, ny + 31) || SolidAt(field, e.x + 31, ny + 31)) {
    ny = e.y;
    vy /= 2;
  }
  e.y = ny;
}

void StepThrower(EnemiesState& enemies, EnemyRecord& e) {
  e.windup += 1;
  if (e.windup == 20) {
    e.throwTimer = 1;
    e.throwFrame = 5;
  }
  if (e.throwTimer <= 0) return;
  e.throwTimer += 1;
  e.throwFrame = e.throwTimer % 3 + 5;
  if (e.throwTimer > 10) {
    enemies.BallActive = kTrue;
    if (e.facing == 1) {
      enemies.BallVx = 5;
      enemies.BallX = e.x + 24;
    } else {
      enemies.BallVx = -5;
      enemies.BallX = e.x - 8;
    }
    enemies.BallY = e.y + 12;
    e.throwTimer = 0;
    e.windup = 0;
    e.throwFrame = 0;
  }
}

}  // namespace

void UpdateEnemies(EnemiesScope s) {
  if (!s.pace().Due(s.steps().enemyClock, kEnemyInterval)) return;
  EnemiesState& enemies = s.enemies();
  enemies.EnemyAnim = (enemies.EnemyAnim + 1) % 10;

  for (int i = 0; i < s.field().EnemyCount; ++i) {
    EnemyRecord& e = enemies.Enemies[i];
    if (IsWalker(e.state)) StepWalker(s.field(), enemies.EnemyAnim, e, enemies.enemyVy[i]);
    // A thrower keeps the facing its throw began with until the ball is out.
    if (e.state == kWatcher || (e.state == kThrower && e.throwTimer == 0))
      e.facing = e.x > s.player().PlayerX ? 0 : 1;
    // While a ball flies every thrower's count stands still.
    if (e.state == kThrower && !On(enemies.BallActive)) StepThrower(enemies, e);
    if (IsKnockedOut(e.state)) {
      e.frame += 1;
      if (e.frame == 10) e.state = kEnemyGone;
    }
    if (BelowField(e.y)) {
      e.x = 0;
      e.y = 0;
      e.state = kEnemyGone;
    }
  }

  if (On(enemies.BallActive)) {
    enemies.BallX += enemies.BallVx;
    if (enemies.BallX < 0 || enemies.BallX > kBallMaxX) {
      enemies.BallActive = kFalse;
      enemies.BallX = 0;
    }
  }
  s.stage().SceneDirty = kTrue;
}

}  // namespace slidestone
