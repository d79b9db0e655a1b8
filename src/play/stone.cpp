// The sliding stone: one pixel per slide step, as often as its speed level allows. It turns at
// walls, obeys the arrows, gains speed on speed tiles, drops off ledges, knocks enemies out, is
// thrown by a spring and ends the stage at the goal, when it stops or when it falls out.
#include "play/stone.h"

#include "audio/audio.h"
#include "play/play.h"
#include "stagedata/world.h"

namespace slidestone {
namespace {

constexpr int kStoneMaxX = kFieldW - 32;  // 576: the last x where the whole stone is inside
constexpr int kKnockOutPoints = 200;

// Milliseconds between slide steps for speed levels 1 to 5.
int32_t PeriodForSpeed(int32_t speed, int32_t current) {
  static constexpr int32_t kPeriods[] = {60, 50, 40, 30, 20};
  return (speed >= 1 && speed <= 5) ? kPeriods[speed - 1] : current;
}

// Steps 2 to 5: move along the floor, bounce off walls, fall.
void SlideAndFall(World& g) {
  if (SolidAt(g, g.StoneX, g.StoneY + 32) || SolidAt(g, g.StoneX + 31, g.StoneY + 32)) {
    g.StoneX += g.StoneDir;
    g.stoneVy = 30;
  }
  // Both wall tests always run; a stone wedged between two walls turns twice and keeps going
  // the way it went.
  if (g.StoneX > kStoneMaxX || SolidAt(g, g.StoneX + 31, g.StoneY) ||
      SolidAt(g, g.StoneX + 31, g.StoneY + 31)) {
    g.StoneX = g.StonePrevX;
    g.StoneDir = -g.StoneDir;
  }
  if (SolidAt(g, g.StoneX, g.StoneY) || g.StoneX < 0 || SolidAt(g, g.StoneX, g.StoneY + 31)) {
    g.StoneX = g.StonePrevX;
    g.StoneDir = -g.StoneDir;
  }

  const int x = g.StoneX;
  int ny = g.StoneY + g.stoneVy / 10;
  if (!SolidAt(g, x, ny + 31) && !SolidAt(g, x + 31, ny + 31) && !SolidAt(g, x, ny) &&
      !SolidAt(g, x + 31, ny)) {
    g.stoneVy += 10;
  } else if (SolidAt(g, x, ny + 31) || SolidAt(g, x + 31, ny + 31)) {
    // Refused: on a floor the fresh speed of 30 is halved every step, so it never sinks.
    ny = g.StoneY;
    g.stoneVy /= 2;
  }
  g.StoneY = ny;
}

// Step 6: arrows and speed tiles act only while the stone sits exactly over one column.
void TileUnderStone(World& g) {
  if (g.StoneX % 32 != 0) return;
  const int col = g.StoneX / 32, row = (g.StoneY + 32) / 32;
  switch (g.Map(col, row)) {
    case kArrowRight:
      if (g.StoneDir == -1) g.StoneDir = 1;
      break;
    case kArrowLeft:
      if (g.StoneDir != -1) g.StoneDir = -g.StoneDir;
      break;
    case kSpeedTile:
      g.SpeedFlash = kTrue;
      g.StoneSpeed += 1;
      g.SpeedChange = 0;
      g.SpeedFlashStep = 0;
      // The zoom starts now, with the raised level (even a 6 that is clamped a moment later).
      HudEffectsStep(g);
      g.Map(col, row) = kSpentSpeedTile;
      g.view->SpeedTileSpent(col, row);
      break;
    default:
      break;
  }
}

// Step 10: every active enemy the stone runs into is knocked out, 200 points each.
struct KnockOut {
  int32_t before, after;
  SoundEffect sound;
};
constexpr KnockOut kKnockOuts[] = {
    {kWatcher, kKnockedOutWatcher, kSoundBonk},
    {kThrower, kKnockedOutThrower, kSoundBonk},
    {kWalkerRight, kKnockedOutWalkerRight, kSoundSpin},
    {kWalkerLeft, kKnockedOutWalkerLeft, kSoundSpin},
};

void KnockOutEnemies(World& g) {
  const int x = g.StoneX, y = g.StoneY;
  for (int i = 0; i < g.EnemyCount; ++i) {
    EnemyRecord& e = g.Enemies[i];
    const KnockOut* k = nullptr;
    for (const KnockOut& row : kKnockOuts)
      if (row.before == e.state) k = &row;
    if (k == nullptr) continue;
    if (!(x + 8 <= e.x + 31 && x + 24 >= e.x && y - 8 <= e.y && y + 24 >= e.y)) continue;
    e.state = k->after;
    g.audio->PlayEffect(k->sound, kChannelKnockOut);
    e.frame = 0;
    g.StageScore += kKnockOutPoints;
    g.TotalScore += kKnockOutPoints;
    g.view->ScoresShown();
  }
}

// Step 11: home when the goal lies under both a quarter and three quarters across the top row.
void GoalTest(World& g) {
  if (g.AiMap.AtPixel(g.StoneX + 8, g.StoneY) != kGoal ||
      g.AiMap.AtPixel(g.StoneX + 24, g.StoneY) != kGoal || On(g.PlayerHit))
    return;
  const int32_t bonus = On(g.TimeLimitOn) ? g.StageTime / 4 : 0;
  g.StageScore += bonus + g.ToolPoints * 20;
  g.TotalScore += bonus + g.ToolPoints * 20;
  g.view->ScoresShown();
  g.StagePhaseFlag = kTrue;
  g.StageEndReason = kEndGoal;
  g.Stage += 1;
}

void SlideStep(World& g) {
  AdvanceStoneSpin(g);
  g.StonePrevX = g.StoneX;
  g.springActive = kFalse;
  g.stoneFlying = kFalse;

  SlideAndFall(g);
  TileUnderStone(g);

  if (g.StoneSpeed < 1 && !On(g.PlayerHit)) {
    g.StageEndReason = kEndStoneStopped;
    g.StagePhaseFlag = kTrue;
    g.view->SpeedShown(0);
    g.view->HudPresented();
  }
  if (g.StoneSpeed > 5) {
    g.StoneSpeed = 5;
    g.SpeedDecayCount = 0;
  }

  const int x = g.StoneX, y = g.StoneY;
  if (g.AiMap.AtPixel(x + 31, y) == kPlacedSpring && g.AiMap.AtPixel(x + 31, y + 31) == kPlacedSpring &&
      g.AiMap.AtPixel(x, y) == kPlacedSpring && g.AiMap.AtPixel(x, y + 31) == kPlacedSpring) {
    g.StoneLaunched = kTrue;
    g.springActive = kTrue;
    g.SpringRise = 0;
    g.stoneBumped = kFalse;
    g.launchBlocked = kFalse;
    g.audio->PlayEffect(kSoundStoneLaunch, kChannelStone);
  }

  KnockOutEnemies(g);
  GoalTest(g);

  g.StonePeriod = PeriodForSpeed(g.StoneSpeed, g.StonePeriod);
  if (!On(g.SpeedFlash)) g.view->SpeedShown(g.StoneSpeed);
  g.SceneDirty = kTrue;

  if (FellOut(g, g.StoneY)) g.audio->PlayEffect(kSoundFall, kChannelStone);
}

}  // namespace

void UpdateStone(World& g) {
  if (On(g.StoneLaunched)) {
    StoneLaunchStep(g);
    return;
  }
  if (StepDue(g, g.stoneClock, g.StonePeriod)) SlideStep(g);
}

}  // namespace slidestone
