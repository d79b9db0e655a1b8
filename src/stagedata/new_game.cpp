// NewGame: a fresh game from the options' first stage. The stage table and the texts are read
// again at every new game (and only then), so edited files take effect without a restart.
#include <string>

#include "stagedata/world.h"
#include "stagedata/stage_format.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

namespace {

void ReadStageTable(StageState& stage, const std::string& stageDir) {
  const StageTableValues table = ReadStageTableFile(stageDir);
  for (int n = 0; n < kStageFileRecords; ++n) ApplyStageRecord(stage, n, table[size_t(n)]);
}

void ReadMessages(World& g) {
  g.Messages = ReadMessageFile(g.stageDir);
  g.openingLines = ReadOpeningLines(g.stageDir);
}

}  // namespace

void NewGame(World& g, StageHudPainter drawHud) {
  g.Stage = g.StartStage;
  g.BackdropIndex = 1;
  g.Lives = 3;
  g.StageScore = 0;
  g.TotalScore = 0;
  g.StagePhaseFlag = kTrue;  // play opens with the curtain and START
  g.Paused = kFalse;
  g.FlowStep = 0;
  g.WordsRunning = kFalse;
  g.WordCounter = 100;
  g.ContinuePromptOn = kFalse;

  ReadStageTable(g, g.stageDir);
  ReadMessages(g);
  LoadStage(g, drawHud);
  g.GameState = kStatePlay;
}

}  // namespace slidestone
