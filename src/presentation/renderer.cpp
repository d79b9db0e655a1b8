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
    const int f32 = 32 * it.frame;
    if (it.kind == kBucket) {  //, never animated: the mask cell at x 128 matches the one at 96
      MaskedPair(f.field, it.x, it.y, 32, 32, f.fieldSheet, 128 + f32, 160, f32, 160);
    } else if (it.kind == kGoal) {
      MaskedPair(f.field, it.x, it.y, 32, 32, f.fieldSheet, 128 + f32, 128, f32, 128);
    }
  }
}

void DrawSparkles(Game& g) {
  if (!On(g.SparkleOn) || g.SparkleTicks >= kSparkleShownTicks) return;
  StageWindow& f = g.stageWindow;
  for (const SparkleEntry& s : g.Sparkles) {
    if (s.frame == kHiddenSparkle) continue;
    MaskedPair(f.field, s.x, s.y, 8, 8, f.overlaySheet, 192 + 8 * s.frame, 40, 192 + 8 * s.frame, 32);
  }
}

// Column of a toppling figure: 1 for the first three steps, then one more every two steps.
int ToppleColumn(int32_t frame) { return frame < 3 ? 1 : 1 + (frame - 2) / 2; }

void DrawEnemy(Game& g, const EnemyRecord& e) {
  StageWindow& f = g.stageWindow;
  Surface& dst = f.field;
  const Surface& sheet = f.fieldSheet;
  const int fac = 64 * e.facing;
  const int fr = 32 * e.frame;
  if (IsActiveEnemy(e.state)) {
    switch (e.state) {
      case kWatcher:
        MaskedPair(dst, e.x, e.y, 32, 32, sheet, 0, 352 + fac, 0, 320 + fac);
        break;
      case kWalkerRight:
        MaskedPair(dst, e.x, e.y, 32, 32, sheet, fr, 224, fr, 192);
        break;
      case kWalkerLeft:
        MaskedPair(dst, e.x, e.y, 32, 32, sheet, fr, 288, fr, 256);
        break;
      case kThrower: {
        const int tf = 32 * e.throwFrame;
        MaskedPair(dst, e.x, e.y, 32, 32, sheet, tf, 480 + fac, tf, 448 + fac);
        break;
      }
      default:
        break;
    }
    return;
  }
  // Knocked out: invisible for the first enemy step after the hit.
  if (e.frame == 0) return;
  const int col = 32 * ToppleColumn(e.frame);
  switch (e.state) {
    case kKnockedOutWalkerRight:
      MaskedPair(dst, e.x, e.y, 32, 32, sheet, 160, 224, 160, 192);
      break;
    case kKnockedOutWalkerLeft:
      MaskedPair(dst, e.x, e.y, 32, 32, sheet, 160, 288, 160, 256);
      break;
    case kKnockedOutWatcher:
      MaskedPair(dst, e.x, e.y, 32, 32, sheet, col, 352 + fac, col, 320 + fac);
      break;
    case kKnockedOutThrower:
      MaskedPair(dst, e.x, e.y, 32, 32, sheet, col, 480 + fac, col, 448 + fac);
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
    MaskedPair(f.field, g.BallX, g.BallY, 16, 16, f.fieldSheet, 192, 176, 192, 160);
  }
  if (On(g.SpringShown)) {
    MaskedPair(f.field, g.SpringX, g.SpringY + 12, 32, 32, f.jumpd, 160 + 32 * g.SpringRise, 0,
               32 * g.SpringRise, 0);
  }
  MaskedPair(f.field, g.PlayerX, g.PlayerY, 32, 32, f.mainchar, 128 + 32 * g.PlayerFrame,
             32 * g.PlayerPose, 32 * g.PlayerFrame, 32 * g.PlayerPose);
  MaskedPair(f.field, g.StoneX, g.StoneY, 32, 32, f.fieldSheet, g.StoneSpinX, 32, g.StoneSpinX, 0);
  // The pipe in front of the figure: it sinks into the entry and rises out of the exit.
  if (On(g.InPipe)) {
    const int px = 32 * g.PlayerCol, py = 32 * g.PlayerFootRow;
    Copy(f.field, px, py, 32, 32, f.cleanField, px, py);
  }
  // UP or DOWN rises from the middle of the stone while the speed digit zooms.
  if (On(g.SpeedFlash)) {
    KeyedCopy(f.field, g.StoneX, g.StoneY + 16 - 2 * g.SpeedFlashStep, 32, 12, f.fieldSheet, 224,
              64 + 12 * g.SpeedChange);
  }
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

}  // namespace

void RepaintField(Game& g) {
  StageWindow& f = g.stageWindow;
  RestoreBackground(f.sprites, f.field, f.cleanField, {0, 0, kFieldW, kFieldH});
  DrawMovingThings(g);
  if (f.checkRepaint) {
    CheckQuickRedraw(f.field, f.cleanField, {0, 0, kFieldW, kFieldH}, f.repaintMismatches,
                     [&] { DrawMovingThings(g); });
  }
}

}  // namespace slidestone
