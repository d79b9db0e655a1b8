// The stage clock on the head-up display: the time left as m:ss:t.
#include <algorithm>

#include "presentation/hud.h"
#include "presentation/hud_layout.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

constexpr int kClockX = 128;
constexpr int kClockY = 16;
// The clock has one minutes cell: anything from ten minutes up shows as the most it can say.
constexpr int32_t kMostShown = 9 * 600 + 59 * 10 + 9;

}  // namespace

void DrawStageClock(StageWindow& f, const Model& m) {
  // The strip's own colons land at x 160 and 256.
  CopyFrame(f.hudPanel, kClockX, kClockY, f.time, time_sheet::kClockStrip);

  // A time below zero is about to end the stage; it reads as nothing left.
  int32_t t = std::clamp(m.StageTime, 0, kMostShown);
  const int32_t minutes = t / 600;
  t -= 600 * minutes;
  const int32_t tensOfSeconds = t / 100;
  t -= 100 * tensOfSeconds;
  const int32_t seconds = t / 10;
  t -= 10 * seconds;
  const int32_t tenths = t;

  const int cellX[4] = {kClockX, kClockX + 64, kClockX + 96, kClockX + 160};
  const int32_t digit[4] = {minutes, tensOfSeconds, seconds, tenths};
  for (int i = 0; i < 4; ++i) {
    if (On(m.TimeLimitOn)) {
      CopyLargeDigit(f, cellX[i], kClockY, digit[i]);
    } else {
      CopyFrame(f.hudPanel, cellX[i], kClockY, f.time, time_sheet::kMinus);
    }
  }
}

}  // namespace slidestone
