// The head-up display counters: both scores and the tool points left, and the digit helpers the
// stage screen shares. The zooms are in hud_effects.cpp.
#include "presentation/hud.h"

#include <algorithm>

#include "presentation/hud_layout.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

// Right-aligned in six 16-pixel cells from x 544; leading zeros stay blank and only the lowest
// six digits fit.
void DrawScore(Game& g, int32_t value, int y) {
  int32_t v = std::max(value, 0);
  for (int n = 5; n >= 0; --n) {
    DrawSmallDigit(g, kScoreX + 16 * n, y, v % 10);
    v /= 10;
    if (v == 0) break;
  }
}

}  // namespace

int32_t ShownToolPoints(int32_t points) { return std::clamp(points, 0, 99); }

void DrawSmallDigit(Game& g, int x, int y, int32_t digit) {
  const int d = std::clamp(digit, 0, 9);
  MaskedPair(g.stageWindow.hudPanel, x, y, 16, 32, g.stageWindow.time, 16 * d, kSmallMaskY, 16 * d,
             kSmallDigitY);
}

void CopyLargeDigit(Game& g, int x, int y, int32_t digit) {
  const int d = std::clamp(digit, 0, 9);
  Copy(g.stageWindow.hudPanel, x, y, 32, 32, g.stageWindow.time, 32 * d, kLargeDigitY);
}

void DrawScores(Game& g) {
  StageWindow& f = g.stageWindow;
  Copy(f.hudPanel, kScoreX, 0, 96, 64, f.panelSheet, kScoreX - 320, 0);
  DrawScore(g, g.StageScore, 32);
  DrawScore(g, g.TotalScore, 0);
  f.hudPanel.Present();
}

void DrawToolPoints(Game& g) {
  StageWindow& f = g.stageWindow;
  const int32_t v = ShownToolPoints(g.ToolPoints);
  // The whole area the zoom may have covered, back to the panel.
  Copy(f.hudPanel, 336, 48, 64, 64, f.panelSheet, 16, 48);
  Copy(f.hudPanel, kScratchX, kScratchY, 32, 32, f.time, 0, 0);
  MaskedPair(f.hudPanel, 384, 64, 16, 48, f.time, 176, 128, 160, 128);
  if (v >= 10) {
    DrawSmallDigit(g, kScratchX, kScratchY, v / 10);
    DrawSmallDigit(g, kScratchX + 16, kScratchY, v % 10);
  } else if (v >= 1) {
    DrawSmallDigit(g, kScratchX + 16, kScratchY, v);
  } else {
    MaskedPair(f.hudPanel, kScratchX + 16, kScratchY, 16, 32, f.time, 192, kSmallMaskY, 192,
               kSmallDigitY);
  }
  // While the number swells, its resting place stays empty.
  if (!On(g.PointsFlash)) {
    KeyedCopy(f.hudPanel, kPointsX, kPointsY, 32, 32, f.hudPanel, kScratchX, kScratchY);
  }
}

void DrawSpeedDigit(Game& g, int digit) {
  Copy(g.stageWindow.hudPanel, kSpeedX, kSpeedY, 32, 32, g.stageWindow.time, 32 * digit, kLargeDigitY);
}

// The three icons, as the head-up display composed them on the screen surface, with the cursor
// frame over the chosen one.
void DrawMenuBox(Game& g) {
  StageWindow& f = g.stageWindow;
  Copy(f.toolMenu, 0, 0, 96, 24, f.hudPanel, 336, 116);
  const int x = g.MenuCursor * 24;
  AndCopy(f.toolMenu, x, 0, 24, 24, f.commandboxx, 120, 0);
  XorCopy(f.toolMenu, x, 0, 24, 24, f.commandboxx, 96, 0);
  f.toolMenu.Present();
}

}  // namespace slidestone
