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

void DrawItems(StageWindow& f, const Model& m) {
  for (int i = 0; i < m.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = m.Items[i];
    if (it.kind == kBucket) {
      MaskedFrame(f.field, it.x, it.y, f.fieldSheet, field_sheet::kBucket, it.frame);
    } else if (it.kind == kGoal) {
      MaskedFrame(f.field, it.x, it.y, f.fieldSheet, field_sheet::kGoalFlag, it.frame);
    }
  }
}

void DrawSparkles(StageWindow& f, const Model& m) {
  if (!On(m.SparkleOn) || m.SparkleTicks >= kSparkleShownTicks) return;
  for (const SparkleEntry& s : m.Sparkles) {
    if (s.frame == kHiddenSparkle) continue;
    MaskedFrame(f.field, s.x, s.y, f.overlaySheet, overlay_sheet::kSparkles, s.frame);
  }
}

// Column of a toppling figure: 1 for the first three steps, then one more every two steps.
int ToppleColumn(int32_t frame) { return frame < 3 ? 1 : 1 + (frame - 2) / 2; }

void DrawEnemy(StageWindow& f, const EnemyRecord& e) {
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

void DrawMovingThings(StageWindow& f, const Model& m) {
  BeginOverdraw(f.sprites, f.field);
  DrawItems(f, m);
  DrawSparkles(f, m);
  for (int i = 0; i < m.EnemyCount && i < kMaxEnemies; ++i) DrawEnemy(f, m.Enemies[i]);
  if (On(m.BallActive)) {
    MaskedFrame(f.field, m.BallX, m.BallY, f.fieldSheet, field_sheet::kBall);
  }
  if (On(m.SpringShown)) {
    MaskedFrame(f.field, m.SpringX, m.SpringY + 12, f.jumpd, kSpring, m.SpringRise);
  }
  MaskedFrame(f.field, m.PlayerX, m.PlayerY, f.mainchar, kPlayerPoses.Row(m.PlayerPose), m.PlayerFrame);
  // StoneSpinX is the spin's x in the stone's run.
  const SheetRun& stone = field_sheet::kStone;
  MaskedPair(f.field, m.StoneX, m.StoneY, stone.w, stone.h, f.fieldSheet, stone.maskX + m.StoneSpinX,
             stone.maskY, stone.x + m.StoneSpinX, stone.y);
  // The pipe in front of the figure: it sinks into the entry and rises out of the exit.
  if (On(m.InPipe)) {
    const int px = 32 * m.PlayerCol, py = 32 * m.PlayerFootRow;
    Copy(f.field, px, py, 32, 32, f.cleanField, px, py);
  }
  // UP or DOWN rises from the middle of the stone while the speed digit zooms.
  if (On(m.SpeedFlash)) {
    KeyedFrame(f.field, m.StoneX, m.StoneY + 16 - 2 * m.SpeedFlashStep, f.fieldSheet,
               field_sheet::kSpeedWords, m.SpeedChange);
  }
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

}  // namespace

void RepaintField(StageWindow& f, const Model& m, RedrawCheck* check) {
  RestoreBackground(f.sprites, f.field, f.cleanField, {0, 0, kFieldW, kFieldH});
  DrawMovingThings(f, m);
  if (check) {
    check->After(f.field, f.cleanField, {0, 0, kFieldW, kFieldH}, [&] { DrawMovingThings(f, m); });
  }
}

}  // namespace slidestone
