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

void AnimateFigure(PlayerState& player, int code) {
  if (code == kSpeedTileBreaking) {
    player.PlayerFrame = (player.PlayerFrame + 1) % 4;  // the hammer pose the menu chose stays
    return;
  }
  player.PlayerFrame += 1;
  if (player.PlayerFrame == 3) player.PlayerFrame = 1;
  player.PlayerPose = 4;
}

// One of the three stages before completion.
void WorkStage(TilePassScope s, int col, int row, int code) {
  if (code == kSpeedTileBreaking) s.audio().PlayEffect(kSoundCrack, kChannelTileWork);
  s.view().ToolWorkShown(col, row, code, s.menu().ToolAnim);
  s.menu().ToolAnim += 1;
}

// The hammer's last blow leaves the bare backdrop and sends sparkles up from the cell.
void BreakTile(TilePassScope s, int col, int row) {
  s.audio().PlayEffect(kSoundShatter, kChannelTileWork);
  s.view().ToolWorkDone(col, row, kSpeedTileBreaking);
  FieldState& field = s.field();
  field.Map(col, row) = kEmptyCell;
  s.player().PlayerPose = s.player().PlayerPose == 5 ? 0 : 1;
  field.SparkleOn = kTrue;
  field.SparkleTicks = 0;
  field.SparkleX = 32 * col;
  field.SparkleY = 32 * row;
}

// Holding Up as the tile breaks jumps straight from the new hole's edge.
void JumpAfterHammer(PlayerState& player, KeyboardState& keys, Audio& audio) {
  if (!On(keys.KeyState[kKeyUp]) || player.PlayerY - 32 < 0) return;
  StartJump(player, keys, audio);
}

void CompleteWork(TilePassScope s, int col, int row, int code) {
  FieldState& field = s.field();
  switch (code) {
    case kSpeedTileBreaking: BreakTile(s, col, row); break;
    case kSpeedTileSweeping:
      s.view().ToolWorkDone(col, row, code);
      field.Map(col, row) = kSpeedTile;
      break;
    case kArrowRightTurning:
      s.view().ToolWorkDone(col, row, code);
      field.Map(col, row) = kArrowLeft;
      break;
    case kArrowLeftTurning:
      s.view().ToolWorkDone(col, row, code);
      field.Map(col, row) = kArrowRight;
      break;
  }
  // The menu, hidden since the tool was chosen, closes with the work.
  s.menu().MenuOpen = kFalse;
  s.menu().ToolAnim = 0;
  s.session().StageScore += kToolBonus;
  s.session().TotalScore += kToolBonus;
  s.view().ScoresShown();
  s.player().PlayerFrame = 0;
  if (code == kSpeedTileBreaking) {
    JumpAfterHammer(s.player(), s.keys(), s.audio());
  } else {
    s.player().PlayerPose = 0;
  }
  s.view().ToolPointsShown();
  s.hud().PointsFlash = kTrue;
  s.view().ToolPointsShown();
  s.hud().PointsFlashStep = 0;
  HudEffectsStep(s.hud(), s.steps(), s.view(), s.pace());
}

}  // namespace

void ToolWorkStep(TilePassScope s, int col, int row) {
  const int code = s.field().Map(col, row);
  ToolMenuState& menu = s.menu();
  // A knock-out does not wait for the tool: the work completes in this pass.
  if (On(s.player().PlayerHit)) {
    menu.ToolAnim = kWorkStages;
    menu.ToolAnimCount = kStagePasses;
  }
  if (menu.ToolAnimCount % 5 == 0) AnimateFigure(s.player(), code);
  if (code != kSpeedTileBreaking && menu.ToolAnimCount % 12 == 0)
    s.audio().PlayEffect(kSoundSweep, kChannelTileWork);
  if (menu.ToolAnimCount % kStagePasses == 0) {
    if (menu.ToolAnim < kWorkStages)
      WorkStage(s, col, row, code);
    else
      CompleteWork(s, col, row, code);
  }
  menu.ToolAnimCount += 1;
}

}  // namespace slidestone
