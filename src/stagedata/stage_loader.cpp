// LoadStage: builds the current stage from the stage table and its two files, has whoever shows
// the stage draw its head-up display from scratch, then hands over to play. It runs before every
// stage, the first one of a game included, and again to replay a stage after a lost try, so a
// replay starts exactly like the first attempt.
#include "stagedata/stage_loader.h"

#include <algorithm>
#include <string>

#include "stagedata/data_reader.h"
#include "stagedata/world.h"
#include "stagedata/stage_field.h"
#include "stagedata/stage_loader_steps.h"

namespace slidestone {

namespace {

constexpr int32_t kTimePerLevel = 200;       // tenths of a second less per difficulty level
constexpr int32_t kToolPointsPerLevel = 3;   // tool uses less per difficulty level

// What a try starts from, record by record.
void ResetPlayer(PlayerState& p, const StageRecord& rec) {
  p.PlayerX = p.PlayerPrevX = rec.playerX;
  p.PlayerY = p.PlayerPrevY = rec.playerY;
  p.PlayerFrame = 0;
  p.PlayerPose = 0;
  p.IdleCount = 0;
  p.PlayerInAction = kFalse;
  p.ActionCount = 0;
  p.InPipe = kFalse;
  p.PipeWarpPending = kFalse;
  p.Jumping = kFalse;
  p.DropThrough = kFalse;
  p.PipeDir = 1;
}

void ResetStone(StoneState& s, const StageRecord& rec) {
  s.StoneX = s.StonePrevX = rec.stoneX;
  s.StoneY = s.StonePrevY = rec.stoneY;
  s.StonePeriod = 100;
  s.StoneDir = 1;
  s.SpringStep = 1;
  s.StoneSpin = 0;
  s.StoneSpinX = 0;
  s.SpeedDecayCount = 0;
  s.StoneLaunched = kFalse;
  s.SpringShown = kFalse;
  s.SpringRise = 0;
  s.StoneFlightSign = -1;
}

void ResetToolMenu(ToolMenuState& m) {
  m.MenuX = m.MenuY = 0;
  m.ToolAnim = 0;
  m.MenuOpen = kFalse;
}

}  // namespace

void LoadStage(World& g, StageHudPainter drawHud) {
  if (g.Stage < 0 || g.Stage >= kStageRecords) {
    throw DataError("stage " + std::to_string(g.Stage + 1) + " has no record in the stage table");
  }
  const StageRecord& rec = g.StageTable[g.Stage];

  g.FlowLatch = kTrue;

  g.SpeedTileCount = 0;
  g.StageTime = rec.time - kTimePerLevel * g.Difficulty;
  if (g.Stage == kFirstHouseShotStage) g.TotalScore = 0;
  g.StageScore = 0;
  g.StoneSpeed = 3;
  for (int j : {kToolHammer, kToolBroom, kToolSpring}) {
    g.ToolEnabled[j] = g.StageItems[g.Stage][j] == 1 ? kTrue : kFalse;
  }
  g.ToolPoints = std::max(rec.toolPoints - kToolPointsPerLevel * g.Difficulty, 0);
  // A zoom cut short by the end of the last stage must not hide this stage's number.
  g.PointsFlash = kFalse;
  // The counts are set and the try's figures not yet reset: the head-up display shows them now
  // (its first clock step still sees how the last try ended).
  drawHud(g);

  ReadMapFile(g, g.stageDir, g.Stage);
  g.EnemyCount = 0;
  g.EnemyAnim = 0;
  g.ItemCount = 0;
  ReadEnemyMapFile(g, g, g.stageDir, g.Stage);

  // The field waits dimmed under the curtain; the stage flow shows it bright.
  g.view->StageFieldBuilt();

  g.SceneDirty = kFalse;
  ResetPlayer(g, rec);
  ResetStone(g, rec);
  g.TileCycle = 0;
  g.SparkleOn = kFalse;
  ResetToolMenu(g);

  g.PointsFlash = kFalse;
  g.SpeedFlash = kFalse;
  g.SpringX = g.SpringY = 0;
  g.PlacingSpring = kFalse;
  g.StageEndReason = kEndLostTry;
  g.ContinueCursor = 0;
  g.PlayerHit = kFalse;
  g.BallActive = kFalse;

  // The stage's opening line comes with the field and stays for the first seconds of play.
  g.openingLineShown = g.openingLines.For(g.Stage, g.Difficulty).empty() ? kFalse : kTrue;
  g.openingLineEndsAt = 0;
  g.view->OpeningLineShown();

  g.GameState = kStatePlay;
}

}  // namespace slidestone
