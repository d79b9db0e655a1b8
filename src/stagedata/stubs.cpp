// Placeholders until the new-game set-up and the stage loader land.
#include "stagedata/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

void NewGame(Game&) {}
void LoadStage(Game&) {}

}  // namespace slidestone
