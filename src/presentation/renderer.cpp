// The play-field renderer: rebuilds the visible field from the clean field and draws every moving
// thing over it, back to front. Play asks for it when a step has changed something.
#include <vector>

#include "graphics/overdraw.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

constexpr int32_t kSparkleShownTicks = 29;
constexpr int32_t kHiddenSparkle = 10;

void DrawItems(Game& g) {
  StageWindow& f = g.stageWindow;
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = g.Items[i];
    if (it.kind == kBucket) {
      MaskedFrame(f.field, it.x, it.y, f.fieldSheet, field_sheet::kBucket, it.frame);
    } else if (it.kind == kGoal) {
      MaskedFrame(f.field, it.x, it.y, f.fieldSheet, field_sheet::kGoalFlag, it.frame);
    }
  }
}

void DrawSparkles(Game& g) {
  if (!On(g.SparkleOn) || g.SparkleTicks >= kSparkleShownTicks) return;
  StageWindow& f = g.stageWindow;
  for (const SparkleEntry& s : g.Sparkles) {
    if (s.frame == kHiddenSparkle) continue;
    MaskedFrame(f.field, s.x, s.y, f.overlaySheet, overlay_sheet::kSparkles, s.frame);
  }
}

// Column of a toppling figure: 1 for the first three steps, then one more every two steps.
int ToppleColumn(int32_t frame) { return frame < 3 ? 1 : 1 + (frame - 2) / 2; }

void DrawEnemy(Game& g, const EnemyRecord& e) {
  StageWindow& f = g.stageWindow;
  Surface& dst = f.field;
  const Surface& sheet = f.fieldSheet;
  if (IsActiveEnemy(e.state)) {
    switch (e.state) {
      case kWatcher:
        MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kWatcher.Row(e.facing));
        break;
      case kWalkerRight:
        MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kWalkerRight, e.frame);
        break;
      case kWalkerLeft:
        MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kWalkerLeft, e.frame);
        break;
      case kThrower:
        MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kThrower.Row(e.facing), e.throwFrame);
        break;
      default:
        break;
    }
    return;
  }
  // Knocked out: invisible for the first enemy step after the hit.
  if (e.frame == 0) return;
  const int col = ToppleColumn(e.frame);
  switch (e.state) {
    case kKnockedOutWalkerRight:
      MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kWalkerRight, field_sheet::kKnockedOutWalkerCell);
      break;
    case kKnockedOutWalkerLeft:
      MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kWalkerLeft, field_sheet::kKnockedOutWalkerCell);
      break;
    case kKnockedOutWatcher:
      MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kWatcher.Row(e.facing), col);
      break;
    case kKnockedOutThrower:
      MaskedFrame(dst, e.x, e.y, sheet, field_sheet::kThrower.Row(e.facing), col);
      break;
    default:  // gone
      break;
  }
}

void DrawMovingThings(Game& g) {
  StageWindow& f = g.stageWindow;
  BeginOverdraw(f.sprites, f.field);
  DrawItems(g);
  DrawSparkles(g);
  for (int i = 0; i < g.EnemyCount && i < kMaxEnemies; ++i) DrawEnemy(g, g.Enemies[i]);
  if (On(g.BallActive)) {
    MaskedFrame(f.field, g.BallX, g.BallY, f.fieldSheet, field_sheet::kBall);
  }
  if (On(g.SpringShown)) {
    MaskedFrame(f.field, g.SpringX, g.SpringY + 12, f.jumpd, kSpring, g.SpringRise);
  }
  MaskedFrame(f.field, g.PlayerX, g.PlayerY, f.mainchar, kPlayerPoses.Row(g.PlayerPose), g.PlayerFrame);
  // StoneSpinX is the spin's x in the stone's run.
  const SheetRun& stone = field_sheet::kStone;
  MaskedPair(f.field, g.StoneX, g.StoneY, stone.w, stone.h, f.fieldSheet, stone.maskX + g.StoneSpinX,
             stone.maskY, stone.x + g.StoneSpinX, stone.y);
  // The pipe in front of the figure: it sinks into the entry and rises out of the exit.
  if (On(g.InPipe)) {
    const int px = 32 * g.PlayerCol, py = 32 * g.PlayerFootRow;
    Copy(f.field, px, py, 32, 32, f.cleanField, px, py);
  }
  // UP or DOWN rises from the middle of the stone while the speed digit zooms.
  if (On(g.SpeedFlash)) {
    KeyedFrame(f.field, g.StoneX, g.StoneY + 16 - 2 * g.SpeedFlashStep, f.fieldSheet,
               field_sheet::kSpeedWords, g.SpeedChange);
  }
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

}  // namespace

void RepaintField(Game& g) {
  StageWindow& f = g.stageWindow;
  RestoreBackground(f.sprites, f.field, f.cleanField, {0, 0, kFieldW, kFieldH});
  DrawMovingThings(g);
  if (RedrawCheck* check = g.forms.redrawCheck) {
    check->After(f.field, f.cleanField, {0, 0, kFieldW, kFieldH}, [&] { DrawMovingThings(g); });
  }
}

}  // namespace slidestone
