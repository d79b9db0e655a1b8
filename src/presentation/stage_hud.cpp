// The head-up display as a stage opens, drawn on hudPanel when the stage loader has set the
// stage's counts: the parts that stay put during a stage (lives, stage number, labels, tool
// icons, the starting tool points) and the counters' first values.

#include "presentation/hud.h"
#include "presentation/hud_layout.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

constexpr int kToolCount = 3;  // hammer, broom, spring
constexpr int kGreyAlpha = 150;

void DrawLives(StageWindow& f, const Model& m) {
  Copy(f.hudPanel, 16, 16, 96, 32, f.panelSheet, 16, 16);
  // One resting stone per try left.
  for (int i = 0; i < m.Lives; ++i) {
    MaskedFrame(f.hudPanel, 16 + 32 * i, 16, f.fieldSheet, field_sheet::kStone);
  }
}

void DrawStageNumber(StageWindow& f, const Model& m) {
  // The number's two places start from the clock strip's first two cells.
  Copy(f.hudPanel, 64, 64, 64, 32, f.time, time_sheet::kClockStrip.x, time_sheet::kClockStrip.y);
  KeyedFrame(f.hudPanel, 0, 64, f.time, time_sheet::kLabels, time_sheet::kStageLabel);
  const int32_t number = m.Stage + 1;
  CopyLargeDigit(f, 64, 64, number / 10 % 10);
  CopyLargeDigit(f, 96, 64, number % 10);
}

void DrawScoreLabels(StageWindow& f) {
  KeyedFrame(f.hudPanel, 480, 0, f.time, time_sheet::kLabels, time_sheet::kTotalLabel);
  KeyedFrame(f.hudPanel, 480, 32, f.time, time_sheet::kLabels, time_sheet::kStageLabel);
}

void DrawSpeedLabel(StageWindow& f, const Model& m) {
  KeyedFrame(f.hudPanel, 160, 64, f.time, time_sheet::kLabels, time_sheet::kSpeedLabel);
  CopyLargeDigit(f, kSpeedX, kSpeedY, m.StoneSpeed);
}

void DrawToolIcons(StageWindow& f, const Model& m) {
  CopyFrame(f.hudPanel, 336, 16, f.commandbox, IconStrip(32, kToolCount));
  CopyFrame(f.hudPanel, 336, 116, f.commandboxx, IconStrip(24, kToolCount));
  // Tools the stage does not offer are greyed out in both rows of icons.
  for (int j = 0; j < kToolCount; ++j) {
    if (On(m.ToolEnabled[j])) continue;
    const SheetRun& black = time_sheet::kBlack;
    Shade(f.hudPanel, 336 + 32 * j, 16, 32, 32, f.time, black.x, black.y, 32, 32, kGreyAlpha);
    Shade(f.hudPanel, 336 + 24 * j, 116, 24, 24, f.time, black.x, black.y, 24, 24, kGreyAlpha);
  }
}

void DrawStartingToolPoints(StageWindow& f, const Model& m) {
  // After the slash: what the stage started with, the same way the count is written.
  const int32_t v = ShownToolPoints(m.ToolPoints);
  if (v >= 10) {
    DrawSmallDigit(f, 400, 80, v / 10);
    DrawSmallDigit(f, 416, 80, v % 10);
  } else {
    DrawSmallDigit(f, 416, 80, v);
  }
}

}  // namespace

void DrawBackdropPanel(StageWindow& f) {
  for (int y : {0, 240})
    for (int x : {0, 320}) Copy(f.hudPanel, x, y, 320, 240, f.panelSheet, 0, 0);
}

void DrawStageHudTop(StageWindow& f, const Model& m) {
  DrawBackdropPanel(f);
  DrawLives(f, m);
  DrawStageNumber(f, m);
  DrawScoreLabels(f);
  DrawScores(f, m);
}

void DrawStageHudRest(StageWindow& f, const Model& m) {
  DrawSpeedLabel(f, m);
  DrawToolIcons(f, m);
  DrawStartingToolPoints(f, m);
  DrawToolPoints(f, m);

  CopyFrame(f.toolMenu, 0, 0, f.commandbox, IconStrip(32, ToolIcons(32).count));  // with the spare
  f.toolMenu.Present();
  // The whole head-up display is ready: show it now rather than at the first clock tick of
  // play, so the curtain and the START banner open over a complete screen.
  f.hudPanel.Present();
  HideSurface(f.toolMenu);
}

}  // namespace slidestone
