// NewGame: a fresh game from the options' first stage. The stage table and the messages are read
// again at every new game (and only then), so edited files take effect without a restart.
#include <string>

#include "stagedata/data_reader.h"
#include "stagedata/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

namespace {

constexpr int kStageFileRecords = 21;  // records 18-20 are read but never played
constexpr int kPlayedRecords = 18;

// What a played stage may hold: the player and the stone start inside the field, and the
// numbers stay far from where sums of scores and bonuses could overflow.
constexpr int32_t kMaxX = kFieldW - 32, kMaxY = kFieldH - 32;
constexpr int32_t kMaxTime = 1000000;       // tenths of a second, more than a day
constexpr int32_t kMaxToolPoints = 1000000;
constexpr int32_t kMaxParScore = 1000000000;

void ReadStageTable(Game& g) {
  FieldReader r(g.stageDir + "/xydata.dat");
  for (int n = 0; n < kStageFileRecords; ++n) {
    const std::string of = " of stage record " + std::to_string(n);
    StageRecord& rec = g.StageTable[n];
    const bool played = n < kPlayedRecords;
    auto read = [&](const std::string& what, int32_t limit, int32_t low) {
      return played ? r.ReadInt(what + of, low, limit) : r.ReadInt(what + of);
    };
    rec.playerX = read("player x", kMaxX, 0);
    rec.playerY = read("player y", kMaxY, 0);
    rec.stoneX = read("stone x", kMaxX, 0);
    rec.stoneY = read("stone y", kMaxY, 0);
    rec.time = read("time", kMaxTime, -kMaxTime);
    rec.toolPoints = read("tool points", kMaxToolPoints, -kMaxToolPoints);
    for (int t = 0; t < 4; ++t) {
      g.StageItems[n][t] = r.ReadInt("tool offer " + std::to_string(t) + of);
    }
    rec.parScore = read("par score", kMaxParScore, -kMaxParScore);
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
