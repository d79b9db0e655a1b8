// LoadStage: builds the current stage from the stage table and its two files and draws the
// stage screen from scratch, then hands over to play. It runs before every stage, the first one
// of a game included, and again to replay a stage after a lost try, so a replay starts exactly
// like the first attempt.
#include "stagedata/stage_loader.h"

#include <algorithm>
#include <string>

#include "presentation/hud.h"
#include "presentation/presentation.h"
#include "stagedata/data_reader.h"
#include "stagedata/game.h"
#include "stagedata/stage_loader_steps.h"

namespace slidestone {

namespace {

constexpr int32_t kTimePerLevel = 200;       // tenths of a second less per difficulty level
constexpr int32_t kToolPointsPerLevel = 3;   // tool uses less per difficulty level
constexpr int kDimAlpha = 120;

void ResetStageVariables(Game& g) {
  const StageRecord& rec = g.StageTable[g.Stage];
  g.SceneDirty = kFalse;
  g.PlayerX = g.PlayerPrevX = rec.playerX;
  g.PlayerY = g.PlayerPrevY = rec.playerY;
  g.PlayerFrame = 0;
  g.PlayerPose = 0;
  g.IdleCount = 0;
  g.PlayerInAction = kFalse;
  g.ActionCount = 0;
  g.InPipe = kFalse;
  g.PipeWarpPending = kFalse;
  g.Jumping = kFalse;
  g.DropThrough = kFalse;
  g.PipeDir = 1;
  g.StoneX = g.StonePrevX = rec.stoneX;
  g.StoneY = g.StonePrevY = rec.stoneY;
  g.StonePeriod = 100;
  g.StoneDir = 1;
  g.SpringStep = 1;
  g.StoneSpin = 0;
  g.StoneSpinX = 0;
  g.SpeedDecayCount = 0;
  g.StoneLaunched = kFalse;
  g.SpringShown = kFalse;
  g.SpringRise = 0;
  g.StoneFlightSign = -1;
  g.TileCycle = 0;
  g.SparkleOn = kFalse;
  g.MenuX = g.MenuY = 0;
  g.ToolAnim = 0;
  g.MenuOpen = kFalse;
}

}  // namespace

const Surface& StageBackdrop(const Game& g) {
  return g.Form1.stageback[g.BackdropIndex == 0 ? 0 : 1];
}

void LoadStage(Game& g) {
  if (g.Stage < 0 || g.Stage >= kStageRecords) {
    throw DataError("stage " + std::to_string(g.Stage + 1) + " has no record in the stage table");
  }
  StageWindow& f = g.Form1;
  const StageRecord& rec = g.StageTable[g.Stage];

  g.FlowLatch = kTrue;
  DrawBackdropPanel(g);
  const Surface& backdrop = StageBackdrop(g);
  Copy(f.gamebox2, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.back, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.Bback, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);

  g.SpeedTileCount = 0;
  g.StageTime = rec.time - kTimePerLevel * g.Difficulty;

  DrawLives(g);
  DrawStageNumber(g);
  DrawScoreLabels(g);

  if (g.Stage == kFirstHouseShotStage) g.TotalScore = 0;
  g.StageScore = 0;
  DrawScores(g);
  const int64_t clockRanAt = g.stageTimerClock;
  StageTimerStep(g);
  // A stage loaded again within the clock's 100 ms (the flow reloads every stage at the start
  // of its curtain) would otherwise open with an empty clock; showing the time counts nothing.
  if (g.stageTimerClock == clockRanAt) DrawStageClock(g);

  g.StoneSpeed = 3;
  DrawSpeedLabel(g);
  DrawToolIcons(g);

  g.ToolPoints = std::max(rec.toolPoints - kToolPointsPerLevel * g.Difficulty, 0);
  DrawStartingToolPoints(g);
  // A zoom cut short by the end of the last stage must not hide this stage's number.
  g.PointsFlash = kFalse;
  DrawToolPoints(g);

  ReadMapFile(g);
  g.EnemyCount = 0;
  g.EnemyAnim = 0;
  g.ItemCount = 0;
  ReadEnemyMapFile(g);

  // The field waits dimmed under the curtain; the stage flow shows it bright from Bback.
  Shade(f.gamebox2, 0, 0, kFieldW, kFieldH, backdrop, kFieldW, 0, 8, kFieldH, kDimAlpha);

  Copy(f.gamebox3, 0, 0, 128, 32, f.commandbox, 0, 0);
  f.gamebox3.Present();
  // The whole head-up display is ready: show it now rather than at the first clock tick of
  // play, so the curtain and the START banner open over a complete screen.
  f.gamebox1.Present();

  ResetStageVariables(g);
  HideSurface(f.gamebox3);

  g.PointsFlash = kFalse;
  g.SpeedFlash = kFalse;
  g.SpringX = g.SpringY = 0;
  g.PlacingSpring = kFalse;
  g.StageEndReason = kEndLostTry;
  g.ContinueCursor = 0;
  g.PlayerHit = kFalse;
  g.BallActive = kFalse;

  g.GameState = kStatePlay;
}

}  // namespace slidestone
