// The stage clock: m:ss:t in four cells of the strip, the count-down, minus signs without a time
// limit, time up once, held at zero during a knock-out, and what times beyond the clock show.
#include <gtest/gtest.h>

#include "presentation/presentation.h"
#include "stage_test_sheets.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

using testing::SameRect;

class StageTimerTest : public ::testing::Test {
 protected:
  testing::StageScreen screen;
  Game& g = screen.g;
  const Surface& hud = g.stageWindow.hudPanel;
  const Surface& font = g.stageWindow.time;

  void SetUp() override { g.StagePhaseFlag = kFalse; }
  void DueStep() {
    g.Now += 101;
    StageTimerStep(g);
  }
  // The four digit cells of the clock read m, s1, s2, t (10: the minus sign).
  ::testing::AssertionResult Reads(int m, int s1, int s2, int t) {
    const int x[] = {128, 192, 224, 288};
    const int d[] = {m, s1, s2, t};
    for (int i = 0; i < 4; ++i) {
      const int sx = d[i] == 10 ? 256 : 32 * d[i], sy = d[i] == 10 ? 0 : 32;
      if (!SameRect(hud, x[i], 16, 32, 32, font, sx, sy)) {
        return ::testing::AssertionFailure() << "cell " << i << " is not " << d[i];
      }
    }
    // The colons are the strip's own, at x 160 and 256.
    if (!SameRect(hud, 160, 16, 32, 32, font, 32, 0) || !SameRect(hud, 256, 16, 32, 32, font, 128, 0)) {
      return ::testing::AssertionFailure() << "colons";
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(StageTimerTest, ShowsMinutesSecondsAndTenthsThenCountsDown) {
  g.StageTime = 754;
  DueStep();
  EXPECT_TRUE(Reads(1, 1, 5, 4));
  EXPECT_EQ(g.StageTime, 753);
  EXPECT_EQ(hud.Shown(), hud.Pixels()) << "presented";
  EXPECT_EQ(g.StagePhaseFlag, kFalse);
}

TEST_F(StageTimerTest, ASecondCallWithinTheStepTimeDoesNothingAtAll) {
  g.StageTime = 754;
  DueStep();
  g.StageTime = 42;
  Copy(g.stageWindow.hudPanel, 128, 16, 32, 32, font, 0, 64);  // drawn, not presented
  const auto shownBefore = hud.Shown();
  g.Now += 100;
  StageTimerStep(g);
  EXPECT_EQ(g.StageTime, 42);
  EXPECT_EQ(hud.Shown(), shownBefore) << "not even a present";
}

TEST_F(StageTimerTest, WithoutATimeLimitTheClockShowsMinusSignsAndStands) {
  g.TimeLimitOn = kFalse;
  g.StageTime = 754;
  DueStep();
  DueStep();
  EXPECT_TRUE(Reads(10, 10, 10, 10));
  EXPECT_EQ(g.StageTime, 754);
  EXPECT_EQ(g.StagePhaseFlag, kFalse);
}

TEST_F(StageTimerTest, TimeRunsOutOnceTheLastTenthIsShown) {
  g.StageTime = 1;
  DueStep();
  EXPECT_TRUE(Reads(0, 0, 0, 1));
  EXPECT_EQ(g.StagePhaseFlag, kFalse);
  DueStep();
  EXPECT_TRUE(Reads(0, 0, 0, 0));
  EXPECT_EQ(g.StageEndReason, kEndTimeUp);
  EXPECT_EQ(g.StagePhaseFlag, kTrue);
  EXPECT_EQ(g.StageTime, 0);
}

TEST_F(StageTimerTest, DuringAKnockOutTheClockHoldsAtZeroWithoutCallingTimeUp) {
  g.PlayerHit = kTrue;
  g.StageEndReason = kEndLostTry;
  g.StageTime = 0;
  DueStep();
  DueStep();
  EXPECT_TRUE(Reads(0, 0, 0, 0));
  EXPECT_EQ(g.StageTime, 0);
  EXPECT_EQ(g.StageEndReason, kEndLostTry);
  EXPECT_EQ(g.StagePhaseFlag, kFalse);
}

TEST_F(StageTimerTest, TimesTheClockCannotShow) {
  // Ten minutes and more: the most one minutes cell can say.
  g.StageTime = 6000;
  DueStep();
  EXPECT_TRUE(Reads(9, 5, 9, 9));
  EXPECT_EQ(g.StageTime, 5999);
  // Below zero (a short stage on HARD): nothing left, and the stage ends at once, limit or not.
  for (Flag limit : {kTrue, kFalse}) {
    g.TimeLimitOn = limit;
    g.StagePhaseFlag = kFalse;
    g.StageEndReason = kEndLostTry;
    g.StageTime = -100;
    DueStep();
    if (limit) {
      EXPECT_TRUE(Reads(0, 0, 0, 0));
    }
    EXPECT_EQ(g.StageEndReason, kEndTimeUp);
    EXPECT_EQ(g.StagePhaseFlag, kTrue);
    EXPECT_EQ(g.StageTime, 0);
  }
}

}  // namespace
}  // namespace slidestone
