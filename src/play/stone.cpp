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
void SlideAndFall(StoneState& stone, StepState& steps, const FieldState& field) {
  if (SolidAt(field, stone.StoneX, stone.StoneY + 32) ||
      SolidAt(field, stone.StoneX + 31, stone.StoneY + 32)) {
    stone.StoneX += stone.StoneDir;
    steps.stoneVy = 30;
  }
  // Both wall tests always run; a stone wedged between two walls turns twice and keeps going
  // the way it went.
  if (stone.StoneX > kStoneMaxX || SolidAt(field, stone.StoneX + 31, stone.StoneY) ||
      SolidAt(field, stone.StoneX + 31, stone.StoneY + 31)) {
    stone.StoneX = stone.StonePrevX;
    stone.StoneDir = -stone.StoneDir;
  }
  if (SolidAt(field, stone.StoneX, stone.StoneY) || stone.StoneX < 0 ||
      SolidAt(field, stone.StoneX, stone.StoneY + 31)) {
    stone.StoneX = stone.StonePrevX;
    stone.StoneDir = -stone.StoneDir;
  }

  const int x = stone.StoneX;
  int ny = stone.StoneY + steps.stoneVy / 10;
  if (!SolidAt(field, x, ny + 31) && !SolidAt(field, x + 31, ny + 31) && !SolidAt(field, x, ny) &&
      !SolidAt(field, x + 31, ny)) {
    steps.stoneVy += 10;
  } else if (SolidAt(field, x, ny + 31) || SolidAt(field, x + 31, ny + 31)) {
    // Refused: on a floor the fresh speed of 30 is halved every step, so it never sinks.
    ny = stone.StoneY;
    steps.stoneVy /= 2;
  }
  stone.StoneY = ny;
}

// Step 6: arrows and speed tiles act only while the stone sits exactly over one column.
void TileUnderStone(StoneScope s) {
  StoneState& stone = s.stone();
  if (stone.StoneX % 32 != 0) return;
  const int col = stone.StoneX / 32, row = (stone.StoneY + 32) / 32;
  switch (s.field().Map(col, row)) {
    case kArrowRight:
      if (stone.StoneDir == -1) stone.StoneDir = 1;
      break;
    case kArrowLeft:
      if (stone.StoneDir != -1) stone.StoneDir = -stone.StoneDir;
      break;
    case kSpeedTile:
      s.hud().SpeedFlash = kTrue;
      stone.StoneSpeed += 1;
      s.hud().SpeedChange = 0;
      s.hud().SpeedFlashStep = 0;
      // The zoom starts now, with the raised level (even a 6 that is clamped a moment later).
      HudEffectsStep(s.hud(), s.steps(), s.view(), s.pace());
      s.field().Map(col, row) = kSpentSpeedTile;
      s.view().SpeedTileSpent(col, row);
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

void KnockOutEnemies(StoneScope s) {
  const int x = s.stone().StoneX, y = s.stone().StoneY;
  for (int i = 0; i < s.field().EnemyCount; ++i) {
    EnemyRecord& e = s.enemies().Enemies[i];
    const KnockOut* k = nullptr;
    for (const KnockOut& row : kKnockOuts)
      if (row.before == e.state) k = &row;
    if (k == nullptr) continue;
    if (!(x + 8 <= e.x + 31 && x + 24 >= e.x && y - 8 <= e.y && y + 24 >= e.y)) continue;
    e.state = k->after;
    s.audio().PlayEffect(k->sound, kChannelKnockOut);
    e.frame = 0;
    s.session().StageScore += kKnockOutPoints;
    s.session().TotalScore += kKnockOutPoints;
    s.view().ScoresShown();
  }
}

// Step 11: home when the goal lies under both a quarter and three quarters across the top row.
void GoalTest(StoneScope s) {
  const StoneState& stone = s.stone();
  if (s.field().AiMap.AtPixel(stone.StoneX + 8, stone.StoneY) != kGoal ||
      s.field().AiMap.AtPixel(stone.StoneX + 24, stone.StoneY) != kGoal || On(s.player().PlayerHit))
    return;
  SessionState& session = s.session();
  const int32_t bonus = On(session.TimeLimitOn) ? s.stage().StageTime / 4 : 0;
  session.StageScore += bonus + s.stage().ToolPoints * 20;
  session.TotalScore += bonus + s.stage().ToolPoints * 20;
  s.view().ScoresShown();
  session.StagePhaseFlag = kTrue;
  s.stage().StageEndReason = kEndGoal;
  session.Stage += 1;
}

void SlideStep(StoneScope s) {
  StoneState& stone = s.stone();
  StepState& steps = s.steps();
  AdvanceStoneSpin(stone);
  stone.StonePrevX = stone.StoneX;
  steps.springActive = kFalse;
  steps.stoneFlying = kFalse;

  SlideAndFall(stone, steps, s.field());
  TileUnderStone(s);

  if (stone.StoneSpeed < 1 && !On(s.player().PlayerHit)) {
    s.stage().StageEndReason = kEndStoneStopped;
    s.session().StagePhaseFlag = kTrue;
    s.view().SpeedShown(0);
    s.view().HudPresented();
  }
  if (stone.StoneSpeed > 5) {
    stone.StoneSpeed = 5;
    stone.SpeedDecayCount = 0;
  }

  const int x = stone.StoneX, y = stone.StoneY;
  const Grid& objects = s.field().AiMap;
  if (objects.AtPixel(x + 31, y) == kPlacedSpring && objects.AtPixel(x + 31, y + 31) == kPlacedSpring &&
      objects.AtPixel(x, y) == kPlacedSpring && objects.AtPixel(x, y + 31) == kPlacedSpring) {
    stone.StoneLaunched = kTrue;
    steps.springActive = kTrue;
    stone.SpringRise = 0;
    steps.stoneBumped = kFalse;
    steps.launchBlocked = kFalse;
    s.audio().PlayEffect(kSoundStoneLaunch, kChannelStone);
  }

  KnockOutEnemies(s);
  GoalTest(s);

  stone.StonePeriod = PeriodForSpeed(stone.StoneSpeed, stone.StonePeriod);
  if (!On(s.hud().SpeedFlash)) s.view().SpeedShown(stone.StoneSpeed);
  s.stage().SceneDirty = kTrue;

  if (FellOut(stone.StoneY, On(s.player().PlayerHit), s.session()))
    s.audio().PlayEffect(kSoundFall, kChannelStone);
}

}  // namespace

void UpdateStone(StoneScope s) {
  if (On(s.stone().StoneLaunched)) {
    StoneLaunchStep(s);
    return;
  }
  if (s.pace().Due(s.steps().stoneClock, s.stone().StonePeriod)) SlideStep(s);
}

}  // namespace slidestone
