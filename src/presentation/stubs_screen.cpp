// Placeholders until the stage screen's display steps land; each is replaced by its own file.
#include "presentation/presentation.h"
#include "stagedata/game.h"

namespace slidestone {

void RenderPlayField(Game&) {}
void StageTimerStep(Game&) {}
void DrawScores(Game&) {}
void DrawToolPoints(Game&) {}
void HudEffectsStep(Game&) {}

}  // namespace slidestone
