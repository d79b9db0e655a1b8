// The hammer and broom work the tool menu left marked on the map. The menu has already taken the
// tool point; here the figure swings or sweeps, the tile goes through three stages 20 passes
// apart, and the fourth stage completes the work: a broken speed tile vanishes, a spent one is
// swept back to life, an arrow turns round.
#include "audio/audio.h"
#include "graphics/blend.h"
#include "presentation/presentation.h"
#include "presentation/tile_pass.h"
#include "stagedata/game.h"

namespace slidestone {

namespace {

constexpr int32_t kWorkStages = 4;    // ToolAnim from 4 on completes the work
constexpr int32_t kStagePasses = 20;  // passes between two work stages
constexpr int32_t kToolBonus = 10;

// A tile picture from char3, plain copy, on the visible field and the clean field alike.
void CopyTile(Game& g, int col, int row, int sx, int sy) {
  Copy(g.Form1.gamebox2, 32 * col, 32 * row, 32, 32, g.Form1.char3, sx, sy);
  Copy(g.Form1.Bback, 32 * col, 32 * row, 32, 32, g.Form1.char3, sx, sy);
}

void AnimateFigure(Game& g, int code) {
  if (code == kSpeedTileBreaking) {
    g.PlayerFrame = (g.PlayerFrame + 1) % 4;  // the hammer pose the menu chose stays
    return;
  }
  g.PlayerFrame += 1;
  if (g.PlayerFrame == 3) g.PlayerFrame = 1;
  g.PlayerPose = 4;
}

// One of the three stages before completion.
void WorkStage(Game& g, int col, int row, int code) {
  switch (code) {
    case kSpeedTileBreaking:
      g.audio->PlayEffect("sound/char03.wav", kChannelTileWork);
      BlendCell(g.Form1, col, row, g.ToolAnim - 1, 1);  // crack 1, 2, 3
      break;
    case kSpeedTileSweeping: BlendCell(g.Form1, col, row, g.ToolAnim + 2, 1); break;
    case kArrowRightTurning: CopyTile(g, col, row, 32 + 32 * g.ToolAnim, 96); break;
    case kArrowLeftTurning: CopyTile(g, col, row, 128 + 32 * g.ToolAnim, 96); break;
  }
  g.ToolAnim += 1;
}

// The hammer's last blow leaves the bare backdrop and sends sparkles up from the cell.
void BreakTile(Game& g, int col, int row) {
  g.audio->PlayEffect("sound/char04.wav", kChannelTileWork);
  Copy(g.Form1.gamebox2, 32 * col, 32 * row, 32, 32, g.Form1.back, 32 * col, 32 * row);
  Copy(g.Form1.Bback, 32 * col, 32 * row, 32, 32, g.Form1.back, 32 * col, 32 * row);
  g.Map(col, row) = kEmptyCell;
  g.PlayerPose = g.PlayerPose == 5 ? 0 : 1;
  g.SparkleOn = kTrue;
  g.SparkleTicks = 0;
  g.SparkleX = 32 * col;
  g.SparkleY = 32 * row;
}

// Holding Up as the tile breaks jumps straight from the new hole's edge.
void JumpAfterHammer(Game& g) {
  if (!On(g.KeyState[kKeyUp]) || g.PlayerY - 32 < 0) return;
  g.PlayerFrame = 0;
  if (g.PlayerPose >= 2) g.PlayerPose = 0;
  g.ActionCount = 0;
  g.PlayerInAction = kTrue;
  g.Jumping = kTrue;
  g.KeyState[kKeyUp] = 0;
  g.JumpFloorY = -1;
  g.JumpVy = -125;
  g.audio->PlayEffect("sound/charjump.wav", kChannelMain);
}

void CompleteWork(Game& g, int col, int row, int code) {
  switch (code) {
    case kSpeedTileBreaking: BreakTile(g, col, row); break;
    case kSpeedTileSweeping:
      BlendCell(g.Form1, col, row, 0, 0);
      g.Map(col, row) = kSpeedTile;
      break;
    case kArrowRightTurning:
      CopyTile(g, col, row, 160, 64);
      g.Map(col, row) = kArrowLeft;
      break;
    case kArrowLeftTurning:
      CopyTile(g, col, row, 128, 64);
      g.Map(col, row) = kArrowRight;
      break;
  }
  // The menu, hidden since the tool was chosen, closes with the work.
  g.MenuOpen = kFalse;
  g.ToolAnim = 0;
  g.StageScore += kToolBonus;
  g.TotalScore += kToolBonus;
  DrawScores(g);
  g.PlayerFrame = 0;
  if (code == kSpeedTileBreaking) {
    JumpAfterHammer(g);
  } else {
    g.PlayerPose = 0;
  }
  DrawToolPoints(g);
  g.PointsFlash = kTrue;
  DrawToolPoints(g);
  g.PointsFlashStep = 0;
  HudEffectsStep(g);
}

}  // namespace

void ToolWorkStep(Game& g, int col, int row) {
  const int code = g.Map(col, row);
  // A knock-out does not wait for the tool: the work completes in this pass.
  if (On(g.PlayerHit)) {
    g.ToolAnim = kWorkStages;
    g.ToolAnimCount = kStagePasses;
  }
  if (g.ToolAnimCount % 5 == 0) AnimateFigure(g, code);
  if (code != kSpeedTileBreaking && g.ToolAnimCount % 12 == 0)
    g.audio->PlayEffect("sound/migaku.wav", kChannelTileWork);
  if (g.ToolAnimCount % kStagePasses == 0) {
    if (g.ToolAnim < kWorkStages)
      WorkStage(g, col, row, code);
    else
      CompleteWork(g, col, row, code);
  }
  g.ToolAnimCount += 1;
}

}  // namespace slidestone
