// Placeholders until the player, its actions and the tool menu land; each is replaced by its
// own file.
#include "play/play.h"
#include "stagedata/game.h"

namespace slidestone {

void UpdatePlayer(Game&) {}
void UpdatePlayerAction(Game&) {}
void UpdateToolMenu(Game&) {}
bool IsHitByEnemy(Game&, bool) { return false; }
bool IsHitByBall(Game&, bool) { return false; }

}  // namespace slidestone
