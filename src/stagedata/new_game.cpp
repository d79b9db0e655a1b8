// NewGame: a fresh game from the options' first stage. The stage table and the messages are read
// again at every new game (and only then), so edited files take effect without a restart.
#include <string>

#include "stagedata/data_reader.h"
#include "stagedata/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

namespace {

constexpr int kStageFileRecords = 21;  // records 18-20 are read but never played

void ReadStageTable(Game& g) {
  FieldReader r(g.stageDir + "/xydata.dat");
  for (int n = 0; n < kStageFileRecords; ++n) {
    const std::string of = " of stage record " + std::to_string(n);
    StageRecord& rec = g.StageTable[n];
    rec.playerX = r.ReadInt("player x" + of);
    rec.playerY = r.ReadInt("player y" + of);
    rec.stoneX = r.ReadInt("stone x" + of);
    rec.stoneY = r.ReadInt("stone y" + of);
    rec.time = r.ReadInt("time" + of);
    rec.toolPoints = r.ReadInt("tool points" + of);
    for (int t = 0; t < 4; ++t) {
      g.StageItems[n][t] = r.ReadInt("tool offer " + std::to_string(t) + of);
    }
    rec.parScore = r.ReadInt("par score" + of);
  }
}

void ReadMessages(Game& g) {
  FieldReader r(g.stageDir + "/messagedata.dat");
  for (int n = 0; n < kMessageCount; ++n) g.Messages[n] = r.ReadText("message " + std::to_string(n));
}

}  // namespace

void NewGame(Game& g) {
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

  ReadStageTable(g);
  ReadMessages(g);
  LoadStage(g);
  g.GameState = kStatePlay;
}

}  // namespace slidestone
