// The head-up display counters: scores right-aligned in six cells, the tool points with their
// red zero and 99 cap, and the two zooms growing from 36 to 64 pixels and tidying up after.
#include <gtest/gtest.h>

#include "presentation/presentation.h"
#include "stage_test_sheets.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

using testing::SameRect;

class HudTest : public ::testing::Test {
 protected:
  testing::StageScreen screen;
  Game& g = screen.g;
  Surface& hud = g.stageWindow.hudPanel;
  const Surface& panel = g.stageWindow.panelSheet;
  const Surface& font = g.stageWindow.time;

  void SetUp() override {
    // The panel as the stage loader lays it: char1 tiled 2 x 2.
    for (int y : {0, 240})
      for (int x : {0, 320}) Copy(hud, x, y, 320, 240, panel, 0, 0);
  }
  // Small digit d drawn at (x, y) of hudPanel.
  bool SmallDigitAt(int x, int y, int d) {
    return SameRect(hud, x, y, 16, 32, font, 16 * d, 128);
  }
  // A 16 x 32 cell of hudPanel still showing the panel.
  bool PanelAt(int x, int y) { return SameRect(hud, x, y, 16, 32, panel, x % 320, y % 240); }
  // Runs HudEffectsStep once when due.
  void DueHudStep() {
    g.Now += 31;
    HudEffectsStep(g, g, *g.view, Pacing(g));
  }
};

TEST_F(HudTest, ScoresAreRightAlignedWithoutLeadingZerosAndKeepTheirLowestSixDigits) {
  g.StageScore = 0;
  g.TotalScore = 1234567;
  DrawScores(g.stageWindow, g);
  EXPECT_TRUE(SmallDigitAt(624, 32, 0));
  for (int x = 544; x < 624; x += 16) EXPECT_TRUE(PanelAt(x, 32)) << x;
  const int total[] = {2, 3, 4, 5, 6, 7};
  for (int n = 0; n < 6; ++n) EXPECT_TRUE(SmallDigitAt(544 + 16 * n, 0, total[n])) << n;
  EXPECT_EQ(hud.Shown(), hud.Pixels()) << "the scores are presented";

  // A smaller score later clears the longer one.
  g.TotalScore = 305;
  g.StageScore = 40;
  DrawScores(g.stageWindow, g);
  EXPECT_TRUE(PanelAt(576, 0));
  EXPECT_TRUE(SmallDigitAt(592, 0, 3));
  EXPECT_TRUE(SmallDigitAt(608, 0, 0));
  EXPECT_TRUE(SmallDigitAt(624, 0, 5));
  EXPECT_TRUE(SmallDigitAt(608, 32, 4));
  EXPECT_TRUE(SmallDigitAt(624, 32, 0));
}

TEST_F(HudTest, ToolPointsShowOneOrTwoDigitsARedZeroAndNothingAbove99) {
  struct Case {
    int32_t points;
    int tens, units;  // -1: that half of the place stays the panel; 10: the red zero
  } cases[] = {{0, -1, 10}, {7, -1, 7}, {12, 1, 2}, {99, 9, 9}, {150, 9, 9}};
  for (const Case& c : cases) {
    g.ToolPoints = c.points;
    DrawToolPoints(g.stageWindow, g);
    if (c.tens < 0) {
      EXPECT_TRUE(PanelAt(352, 64)) << c.points;
    } else {
      EXPECT_TRUE(SmallDigitAt(352, 64, c.tens)) << c.points;
    }
    if (c.units == 10) {
      EXPECT_TRUE(SameRect(hud, 368, 64, 16, 32, font, 192, 128)) << c.points;
    } else {
      EXPECT_TRUE(SmallDigitAt(368, 64, c.units)) << c.points;
    }
    EXPECT_TRUE(SameRect(hud, 384, 64, 16, 48, font, 160, 128)) << "slash, " << c.points;
    EXPECT_EQ(g.ToolPoints, c.points) << "only the picture is capped";
  }
  // While the number swells its resting place stays empty.
  g.PointsFlash = kTrue;
  DrawToolPoints(g.stageWindow, g);
  EXPECT_TRUE(PanelAt(352, 64));
  EXPECT_TRUE(PanelAt(368, 64));
}

TEST_F(HudTest, ThePointsZoomGrowsFrom36To64AndEndsWithTheNumberAtItsPlace) {
  g.ToolPoints = 12;
  g.PointsFlash = kTrue;
  g.PointsFlashStep = 0;
  DrawToolPoints(g.stageWindow, g);
  const Pixel scratchTopLeft = hud.At(300, 300);
  for (int step = 0; step < 8; ++step) {
    DueHudStep();
    const int c = 2 * step + 2;
    const int x0 = 352 - c, y0 = 64 - c, size = 32 + 2 * c;
    if (step == 7) break;  // the last step tidies up at once
    EXPECT_EQ(g.PointsFlash, kTrue);
    EXPECT_EQ(hud.At(x0, y0), scratchTopLeft) << step;
    EXPECT_EQ(hud.At(x0 + size - 1, y0 + size - 1), hud.At(331, 331)) << step;
    EXPECT_EQ(hud.At(x0 - 1, y0 - 1), panel.At((x0 - 1) % 320, y0 - 1)) << step;
  }
  EXPECT_EQ(g.PointsFlash, kFalse);
  EXPECT_EQ(g.PointsFlashStep, 8);
  // The swollen picture is gone; the number is back at its normal size.
  EXPECT_TRUE(SameRect(hud, 336, 48, 16, 16, panel, 16, 48));
  EXPECT_TRUE(SameRect(hud, 336, 96, 16, 16, panel, 16, 96));
  EXPECT_TRUE(SmallDigitAt(352, 64, 1));
  EXPECT_TRUE(SmallDigitAt(368, 64, 2));
}

TEST_F(HudTest, TheSpeedZoomGrowsTheDigitAndPutsTheLabelBackAfterwards) {
  g.StoneSpeed = 4;
  g.SpeedFlash = kTrue;
  g.SpeedFlashStep = 0;
  g.SpeedChange = 0;
  for (int step = 0; step < 8; ++step) {
    DueHudStep();
    const int c = 2 * step + 2;
    const int x0 = 224 - c, y0 = 64 - c, size = 32 + 2 * c;
    if (step == 7) break;
    EXPECT_EQ(g.SpeedFlash, kTrue);
    EXPECT_EQ(hud.At(x0, y0), font.At(128, 32)) << step;
    EXPECT_EQ(hud.At(x0 + size - 1, y0 + size - 1), font.At(159, 63)) << step;
    EXPECT_EQ(hud.At(x0 + size, y0 + size), panel.At(x0 + size, y0 + size)) << step;
  }
  EXPECT_EQ(g.SpeedFlash, kFalse);
  EXPECT_TRUE(SameRect(hud, 208, 48, 64, 16, panel, 208, 48));
  EXPECT_TRUE(SameRect(hud, 224, 64, 32, 32, font, 128, 32));
  EXPECT_TRUE(SameRect(hud, 160, 64, 48, 32, font, 128, 96)) << "the label SPEED";
}

TEST_F(HudTest, ZoomsWaitForTheirStepTime) {
  g.ToolPoints = 3;
  g.PointsFlash = kTrue;
  g.PointsFlashStep = 0;
  g.hudClock = g.Now;
  g.Now += 30;
  HudEffectsStep(g, g, *g.view, Pacing(g));
  EXPECT_EQ(g.PointsFlashStep, 0);
  g.Now += 1;
  HudEffectsStep(g, g, *g.view, Pacing(g));
  EXPECT_EQ(g.PointsFlashStep, 1);
  EXPECT_EQ(g.hudClock, g.Now);
}

}  // namespace
}  // namespace slidestone
