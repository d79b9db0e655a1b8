// The house shot: the stone climbs the sheet while the cross lines scroll down past it and the
// house comes down from the top; the stone drifts toward its side, settles on its end point,
// the scene slows, a comment on the shot appears, and Space or the last frame ends it.
#include <algorithm>
#include <vector>

#include "audio/audio.h"
#include "graphics/overdraw.h"
#include "frontend/frontend.h"
#include "services/random.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

constexpr int kCommentFrame = 290;
constexpr int kLastFrame = 350;
constexpr int kSettleFrame = 276;  // the view has caught up: the stone stands on its end point

// The grey cross line of the sheet, 512 x 4, across the lanes.
void DrawLine(Game& g, int y) { Copy(g.houseWindow.canvas, 64, y, 512, 4, g.houseWindow.clear1, 0, 480); }

// The house, the cross lines and the stone of this frame over the clean sheet, noted as what was
// drawn over it. Drawing only (the check mode draws them twice).
void DrawShot(Game& g) {
  HouseWindow& w = g.houseWindow;
  const int32_t f = g.ShotFrame;
  BeginOverdraw(w.shot, w.canvas);
  if (f > 100) {
    int h = 2 * (f - 100), y0 = 0;
    if (f >= 228) {
      h = 256;
      y0 = std::min(2 * (f - 228), 96);
    }
    KeyedCopy(w.canvas, 192, y0, 256, h, w.clear2, 0, 256 - h);
    if (f > 164) DrawLine(g, y0 + h - 130);  // across the house centre
  }
  if (f < 50) DrawLine(g, 280 + 4 * f);
  if (f > 90) DrawLine(g, f >= kSettleFrame ? 372 : 2 * (f - 90));
  MaskedPair(w.canvas, g.ShotStoneX, g.ShotStoneY, 32, 32, w.clear2, 32 * g.ShotSpin, 288,
             32 * g.ShotSpin, 256);
  EndOverdraw(w.shot, w.canvas, w.cleanSheet);
}

void ShotTick(Game& g) {
  HouseWindow& w = g.houseWindow;
  const int32_t f = g.ShotFrame;
  if (f < kSettleFrame) g.ShotSpin = ((f + 1) % 160) / 20;
  if (f >= kSettleFrame) g.ShotStoneX = g.ShotTargetX;
  constexpr Rect kLanes{64, 0, 512, 480};
  if (Watched(g)) {
    RestoreBackground(w.shot, w.canvas, w.cleanSheet, kLanes);
    DrawShot(g);
    if (RedrawCheck* check = g.forms.redrawCheck) check->After(w.canvas, w.cleanSheet, kLanes, [&] { DrawShot(g); });
  }

  if (g.DriftPeriod > 0 && f % g.DriftPeriod == 0 && f > g.DriftStart) {
    g.ShotStoneX += g.ShotTargetX >= 304 ? 1 : -1;
  }
  g.ShotStoneY = std::max(g.ShotStoneY - 2, g.ShotTargetY);
  w.canvas.Present();

  if (f % 2 == 0 && f >= 200 && g.ShotInterval < 100) ++g.ShotInterval;
  ++g.ShotFrame;
  if (g.ShotFrame == kCommentFrame) ShowShotComment(g);

  // Space is only looked at, not consumed: held on, the next stage sees it too.
  if (On(g.KeyState[kKeySpace]) || g.ShotFrame >= kLastFrame) {
    g.audio->StopMusic();
    if (g.Stage >= kStageCount) {  // the last stage has been cleared
      g.GameState = kStateResults;
    } else {
      HideSurface(w.messagebox);
      ShowForm(g.forms, g.stageWindow);
      g.GameState = kStateLoadStage;
    }
  }
}

}  // namespace

void HouseShotStep(Game& g) {
  if (StepDue(g, g.shotClock, g.ShotInterval)) ShotTick(g);
}

void ShowShotComment(Game& g) {
  const int32_t d = g.ShotDistance;
  const int band = d == 0 ? 0 : d <= 50 ? 10 : d <= 100 ? 20 : d <= 150 ? 30 : 40;
  Randomize(g.RandomState, g.Now);
  const int k = RandomBelow(g.RandomState, 9);
  ShowSurface(g.houseWindow.messagebox);
  SetText(g.houseWindow.commentText, g.Messages[band + k]);
}

}  // namespace slidestone
