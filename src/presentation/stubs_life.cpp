// Placeholders until the tile pass, pause and stage flow land; each is replaced by its own file.
#include "presentation/presentation.h"
#include "stagedata/game.h"

namespace slidestone {

void TilePass(Game&) {}
void SparkleStep(Game&) {}
void PauseStep(Game&) {}
void StageFlowStep(Game&) {}
void FlowWordsStep(Game&) {}
void DrawTimeUpWords(Game&) {}
void DrawStoneStopWords(Game&) {}
void DrawClearWords(Game&) {}

}  // namespace slidestone
