// The sparkles over a cell the hammer has cleared: eleven specks scattered over the cell rise a
// little, drift apart, then fall and go out one by one; at the twentieth tick the block under the
// cell gets its snow cap, now that nothing stands on it.
#include "play/play.h"
#include "services/random.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

constexpr int32_t kHidden = 10;
constexpr int32_t kSnowCapTick = 20;
constexpr int32_t kLastTick = 30;

void Scatter(const FieldState& field, ClockState& clock, SparkleEntry& s) {
  Randomize(clock.RandomState, clock.Now);
  s.frame = RandomBelow(clock.RandomState, 4);
  s.x = field.SparkleX + RandomBelow(clock.RandomState, 25) + 1;
  s.y = field.SparkleY + RandomBelow(clock.RandomState, 25) + 1;
}

void Drift(const FieldState& field, SparkleEntry& s) {
  int32_t dx = 0;
  if (field.SparkleTicks <= 10) {
    if (s.x <= field.SparkleX + 7)
      dx = -1;
    else if (s.x >= field.SparkleX + 17)
      dx = 2;
  }
  s.x += dx;
  s.y += field.SparkleTicks < 5 ? -1 : 2;
  if (s.frame != kHidden && field.SparkleTicks >= 3 * s.frame + 18) s.frame = kHidden;
}

}  // namespace

void SparkleStep(FieldState& field, ClockState& clock, StageState& stage, StageView& view) {
  for (SparkleEntry& s : field.Sparkles) {
    if (field.SparkleTicks == 0)
      Scatter(field, clock, s);
    else
      Drift(field, s);
    if (s.frame != kHidden) s.frame = (s.frame + 1) % 4;
  }
  stage.SceneDirty = kTrue;
  field.SparkleTicks += 1;
  if (field.SparkleTicks == kSnowCapTick) view.SnowCapped();
  if (field.SparkleTicks >= kLastTick) field.SparkleOn = kFalse;
}

}  // namespace slidestone
