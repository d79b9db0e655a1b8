// Whether an enemy or the thrown ball touches the player. A figure already knocked out is never
// hit again, so the first hit of a step is the only one.
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {

bool IsHitByEnemy(const Model& m, bool menuVariant) {
  if (On(m.PlayerHit)) return false;
  const int px = m.PlayerX, py = m.PlayerY;
  for (int i = 0; i < m.EnemyCount && i < kMaxEnemies; ++i) {
    const EnemyRecord& e = m.Enemies[i];
    // Walkers and watchers always count; a thrower only outside the menu branch's own test.
    // Knocked-out and gone enemies never do.
    const bool active =
        IsWalker(e.state) || e.state == kWatcher || (!menuVariant && e.state == kThrower);
    if (!active) continue;
    if (e.x >= px - 16 && e.x <= px + 16 && e.y >= py - 16 && e.y <= py + 16) return true;
  }
  return false;
}

bool IsHitByBall(const Model& m, bool toolMenuVariant) {
  if (!On(m.BallActive) || On(m.PlayerHit)) return false;
  const int px = m.PlayerX, py = m.PlayerY, bx = m.BallX, by = m.BallY;
  if (toolMenuVariant) return px < bx && bx < px + 16 && py - 4 < by && by < py + 20;
  return px - 4 < bx && bx < px + 20 && py < by && by < py + 24;
}

}  // namespace slidestone
