// The hammer and broom work the tool menu left marked on the map. The menu has already taken the
// tool point; here the figure swings or sweeps, the tile goes through three stages 20 passes
// apart, and the fourth stage completes the work: a broken speed tile vanishes, a spent one is
// swept back to life, an arrow turns round.
#include "audio/audio.h"
#include "play/play.h"
#include "play/player_steps.h"
#include "play/tile_pass.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int32_t kWorkStages = 4;    // ToolAnim from 4 on completes the work
constexpr int32_t kStagePasses = 20;  // passes between two work stages
constexpr int32_t kToolBonus = 10;

void AnimateFigure(World& g, int code) {
  if (code == kSpeedTileBreaking) {
    g.PlayerFrame = (g.PlayerFrame + 1) % 4;  // the hammer pose the menu chose stays
    return;
  }
  g.PlayerFrame += 1;
  if (g.PlayerFrame == 3) g.PlayerFrame = 1;
  g.PlayerPose = 4;
}

// One of the three stages before completion.
void WorkStage(World& g, int col, int row, int code) {
  if (code == kSpeedTileBreaking) g.audio->PlayEffect(kSoundCrack, kChannelTileWork);
  g.view->ToolWorkShown(col, row, code, g.ToolAnim);
  g.ToolAnim += 1;
}

// The hammer's last blow leaves the bare backdrop and sends sparkles up from the cell.
void BreakTile(World& g, int col, int row) {
  g.audio->PlayEffect(kSoundShatter, kChannelTileWork);
  g.view->ToolWorkDone(col, row, kSpeedTileBreaking);
  g.Map(col, row) = kEmptyCell;
  g.PlayerPose = g.PlayerPose == 5 ? 0 : 1;
  g.SparkleOn = kTrue;
  g.SparkleTicks = 0;
  g.SparkleX = 32 * col;
  g.SparkleY = 32 * row;
}

// Holding Up as the tile breaks jumps straight from the new hole's edge.
void JumpAfterHammer(World& g) {
  if (!On(g.KeyState[kKeyUp]) || g.PlayerY - 32 < 0) return;
  StartJump(g);
}

void CompleteWork(World& g, int col, int row, int code) {
  switch (code) {
    case kSpeedTileBreaking: BreakTile(g, col, row); break;
    case kSpeedTileSweeping:
      g.view->ToolWorkDone(col, row, code);
      g.Map(col, row) = kSpeedTile;
      break;
    case kArrowRightTurning:
      g.view->ToolWorkDone(col, row, code);
      g.Map(col, row) = kArrowLeft;
      break;
    case kArrowLeftTurning:
      g.view->ToolWorkDone(col, row, code);
      g.Map(col, row) = kArrowRight;
      break;
  }
  // The menu, hidden since the tool was chosen, closes with the work.
  g.MenuOpen = kFalse;
  g.ToolAnim = 0;
  g.StageScore += kToolBonus;
  g.TotalScore += kToolBonus;
  g.view->ScoresShown();
  g.PlayerFrame = 0;
  if (code == kSpeedTileBreaking) {
    JumpAfterHammer(g);
  } else {
    g.PlayerPose = 0;
  }
  g.view->ToolPointsShown();
  g.PointsFlash = kTrue;
  g.view->ToolPointsShown();
  g.PointsFlashStep = 0;
  HudEffectsStep(g);
}

}  // namespace

void ToolWorkStep(World& g, int col, int row) {
  const int code = g.Map(col, row);
  // A knock-out does not wait for the tool: the work completes in this pass.
  if (On(g.PlayerHit)) {
    g.ToolAnim = kWorkStages;
    g.ToolAnimCount = kStagePasses;
  }
  if (g.ToolAnimCount % 5 == 0) AnimateFigure(g, code);
  if (code != kSpeedTileBreaking && g.ToolAnimCount % 12 == 0)
    g.audio->PlayEffect(kSoundSweep, kChannelTileWork);
  if (g.ToolAnimCount % kStagePasses == 0) {
    if (g.ToolAnim < kWorkStages)
      WorkStage(g, col, row, code);
    else
      CompleteWork(g, col, row, code);
  }
  g.ToolAnimCount += 1;
}

}  // namespace slidestone
