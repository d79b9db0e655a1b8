// Placeholders until the stone and the enemies land; each is replaced by its own file.
#include "play/play.h"
#include "stagedata/game.h"

namespace slidestone {

void UpdateStone(Game&) {}
void UpdateEnemies(Game&) {}

}  // namespace slidestone
