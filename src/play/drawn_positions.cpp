#include "play/drawn_positions.h"

#include "stagedata/model.h"

namespace slidestone {

void NoteDrawnPositions(PlayerState& player, StoneState& stone, EnemiesState& enemies,
                        const FieldState& field) {
  stone.StonePrevX = stone.StoneX;
  player.PlayerPrevX = player.PlayerX;
  player.PlayerPrevY = player.PlayerY;
  stone.StonePrevY = stone.StoneY;
  for (int i = 0; i < field.EnemyCount && i < kMaxEnemies; ++i) {
    EnemyRecord& e = enemies.Enemies[i];
    // A knocked-out enemy keeps the place it had when it was struck.
    if (IsActiveEnemy(e.state)) {
      e.prevX = e.x;
      e.prevY = e.y;
    }
  }
}

}  // namespace slidestone
