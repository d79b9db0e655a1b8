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
void DrawScore(StageWindow& f, int32_t value, int y) {
  int32_t v = std::max(value, 0);
  for (int n = 5; n >= 0; --n) {
    DrawSmallDigit(f, kScoreX + 16 * n, y, v % 10);
    v /= 10;
    if (v == 0) break;
  }
}

}  // namespace

int32_t ShownToolPoints(int32_t points) { return std::clamp(points, 0, 99); }

void DrawSmallDigit(StageWindow& f, int x, int y, int32_t digit) {
  const int d = std::clamp(digit, 0, 9);
  MaskedFrame(f.hudPanel, x, y, f.time, time_sheet::kSmallDigits, d);
}

void CopyLargeDigit(StageWindow& f, int x, int y, int32_t digit) {
  const int d = std::clamp(digit, 0, 9);
  CopyFrame(f.hudPanel, x, y, f.time, time_sheet::kLargeDigits, d);
}

void DrawScores(StageWindow& f, const Model& m) {
  Copy(f.hudPanel, kScoreX, 0, 96, 64, f.panelSheet, kScoreX - 320, 0);
  DrawScore(f, m.StageScore, 32);
  DrawScore(f, m.TotalScore, 0);
  f.hudPanel.Present();
}

void DrawToolPoints(StageWindow& f, const Model& m) {
  const int32_t v = ShownToolPoints(m.ToolPoints);
  // The whole area the zoom may have covered, back to the panel.
  Copy(f.hudPanel, 336, 48, 64, 64, f.panelSheet, 16, 48);
  CopyFrame(f.hudPanel, kScratchX, kScratchY, f.time, time_sheet::kBlack);
  MaskedFrame(f.hudPanel, 384, 64, f.time, time_sheet::kSlash);
  if (v >= 10) {
    DrawSmallDigit(f, kScratchX, kScratchY, v / 10);
    DrawSmallDigit(f, kScratchX + 16, kScratchY, v % 10);
  } else if (v >= 1) {
    DrawSmallDigit(f, kScratchX + 16, kScratchY, v);
  } else {
    MaskedFrame(f.hudPanel, kScratchX + 16, kScratchY, f.time, time_sheet::kRedZero);
  }
  // While the number swells, its resting place stays empty.
  if (!On(m.PointsFlash)) {
    KeyedCopy(f.hudPanel, kPointsX, kPointsY, 32, 32, f.hudPanel, kScratchX, kScratchY);
  }
}

void DrawSpeedDigit(StageWindow& f, int digit) {
  CopyFrame(f.hudPanel, kSpeedX, kSpeedY, f.time, time_sheet::kLargeDigits, digit);
}

// The three icons, as the head-up display composed them on the screen surface, with the cursor
// frame over the chosen one.
void DrawMenuBox(StageWindow& f, const Model& m) {
  Copy(f.toolMenu, 0, 0, 96, 24, f.hudPanel, 336, 116);
  const int x = m.MenuCursor * 24;
  MaskedFrame(f.toolMenu, x, 0, f.commandboxx, CursorFrame(24));
  f.toolMenu.Present();
}

}  // namespace slidestone
