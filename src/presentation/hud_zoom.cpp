// The two zooms of the head-up display, drawn a frame at a time: the number a little larger
// around its place at each step, from 36 x 36 up to 64 x 64, and the speed digit back at its
// normal size with its label at the end.
#include <algorithm>

#include "presentation/hud.h"
#include "presentation/hud_layout.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

// Grows by two pixels on every side per step: 2 at step 0, 16 at step 7.
int ZoomMargin(int32_t step) { return 2 * step + 2; }

}  // namespace

void DrawPointsZoom(StageWindow& f, const Model& m) {
  const int c = ZoomMargin(m.PointsFlashStep);
  KeyedCopy(f.hudPanel, kPointsX - c, kPointsY - c, 32 + 2 * c, 32 + 2 * c, f.hudPanel, kScratchX,
            kScratchY, 32, 32);
}

void DrawSpeedZoom(StageWindow& f, const Model& m) {
  const int c = ZoomMargin(m.SpeedFlashStep);
  const int d = std::clamp(m.StoneSpeed, 0, 9);
  CopyFrame(f.hudPanel, kSpeedX, kSpeedY, f.time, time_sheet::kBlack);
  const SheetRun& digits = time_sheet::kLargeDigits;
  KeyedCopy(f.hudPanel, kSpeedX - c, kSpeedY - c, 32 + 2 * c, 32 + 2 * c, f.time, digits.X(d), digits.Y(d),
            digits.w, digits.h);
}

// The last frame reached over the end of the label, so both come back.
void DrawSpeedZoomEnd(StageWindow& f, const Model& m) {
  Copy(f.hudPanel, 208, 48, 64, 64, f.panelSheet, 208, 48);
  KeyedFrame(f.hudPanel, 160, 64, f.time, time_sheet::kLabels, time_sheet::kSpeedLabel);
  CopyLargeDigit(f, kSpeedX, kSpeedY, m.StoneSpeed);
}

}  // namespace slidestone
