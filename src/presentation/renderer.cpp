// The play-field renderer: rebuilds gamebox2 from the clean field in Bback and draws every moving
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
  StageWindow& f = g.Form1;
  for (int i = 0; i < g.ItemCount && i < kMaxItems; ++i) {
    const ItemRecord& it = g.Items[i];
    const int f32 = 32 * it.frame;
    if (it.kind == kBucket) {  //, never animated: the mask cell at x 128 matches the one at 96
      MaskedPair(f.gamebox2, it.x, it.y, 32, 32, f.char3, 128 + f32, 160, f32, 160);
    } else if (it.kind == kGoal) {
      MaskedPair(f.gamebox2, it.x, it.y, 32, 32, f.char3, 128 + f32, 128, f32, 128);
    }
  }
}

void DrawSparkles(Game& g) {
  if (!On(g.SparkleOn) || g.SparkleTicks >= kSparkleShownTicks) return;
  StageWindow& f = g.Form1;
  for (const SparkleEntry& s : g.Sparkles) {
    if (s.frame == kHiddenSparkle) continue;
    MaskedPair(f.gamebox2, s.x, s.y, 8, 8, f.char4, 192 + 8 * s.frame, 40, 192 + 8 * s.frame, 32);
  }
}

// Column of a toppling figure: 1 for the first three steps, then one more every two steps.
int ToppleColumn(int32_t frame) { return frame < 3 ? 1 : 1 + (frame - 2) / 2; }

void DrawEnemy(Game& g, const EnemyRecord& e) {
  StageWindow& f = g.Form1;
  Surface& dst = f.gamebox2;
  const Surface& sheet = f.char3;
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
  StageWindow& f = g.Form1;
  BeginOverdraw(f.sprites, f.gamebox2);
  DrawItems(g);
  DrawSparkles(g);
  for (int i = 0; i < g.EnemyCount && i < kMaxEnemies; ++i) DrawEnemy(g, g.Enemies[i]);
  if (On(g.BallActive)) {
    MaskedPair(f.gamebox2, g.BallX, g.BallY, 16, 16, f.char3, 192, 176, 192, 160);
  }
  if (On(g.SpringShown)) {
    MaskedPair(f.gamebox2, g.SpringX, g.SpringY + 12, 32, 32, f.jumpd, 160 + 32 * g.SpringRise, 0,
               32 * g.SpringRise, 0);
  }
  MaskedPair(f.gamebox2, g.PlayerX, g.PlayerY, 32, 32, f.mainchar, 128 + 32 * g.PlayerFrame,
             32 * g.PlayerPose, 32 * g.PlayerFrame, 32 * g.PlayerPose);
  MaskedPair(f.gamebox2, g.StoneX, g.StoneY, 32, 32, f.char3, g.StoneSpinX, 32, g.StoneSpinX, 0);
  // The pipe in front of the figure: it sinks into the entry and rises out of the exit.
  if (On(g.InPipe)) {
    const int px = 32 * g.PlayerCol, py = 32 * g.PlayerFootRow;
    Copy(f.gamebox2, px, py, 32, 32, f.Bback, px, py);
  }
  // UP or DOWN rises from the middle of the stone while the speed digit zooms.
  if (On(g.SpeedFlash)) {
    KeyedCopy(f.gamebox2, g.StoneX, g.StoneY + 16 - 2 * g.SpeedFlashStep, 32, 12, f.char3, 224,
              64 + 12 * g.SpeedChange);
  }
  EndOverdraw(f.sprites, f.gamebox2, f.Bback);
}

}  // namespace

void RepaintField(Game& g) {
  StageWindow& f = g.Form1;
  RestoreBackground(f.sprites, f.gamebox2, f.Bback, {0, 0, kFieldW, kFieldH});
  DrawMovingThings(g);
  if (f.checkRepaint) {
    CheckQuickRedraw(f.gamebox2, f.Bback, {0, 0, kFieldW, kFieldH}, f.repaintMismatches,
                     [&] { DrawMovingThings(g); });
  }
}

}  // namespace slidestone
