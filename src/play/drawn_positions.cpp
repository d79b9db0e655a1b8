#include "play/drawn_positions.h"

#include "stagedata/world.h"

namespace slidestone {

void NoteDrawnPositions(World& g) {
  g.StonePrevX = g.StoneX;
  g.PlayerPrevX = g.PlayerX;
  g.PlayerPrevY = g.PlayerY;
  g.StonePrevY = g.StoneY;
  for (int i = 0; i < g.EnemyCount && i < kMaxEnemies; ++i) {
    EnemyRecord& e = g.Enemies[i];
    // A knocked-out enemy keeps the place it had when it was struck.
    if (IsActiveEnemy(e.state)) {
      e.prevX = e.x;
      e.prevY = e.y;
    }
  }
}

}  // namespace slidestone
