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

void Scatter(World& g, SparkleEntry& s) {
  Randomize(g.RandomState, g.Now);
  s.frame = RandomBelow(g.RandomState, 4);
  s.x = g.SparkleX + RandomBelow(g.RandomState, 25) + 1;
  s.y = g.SparkleY + RandomBelow(g.RandomState, 25) + 1;
}

void Drift(const World& g, SparkleEntry& s) {
  int32_t dx = 0;
  if (g.SparkleTicks <= 10) {
    if (s.x <= g.SparkleX + 7)
      dx = -1;
    else if (s.x >= g.SparkleX + 17)
      dx = 2;
  }
  s.x += dx;
  s.y += g.SparkleTicks < 5 ? -1 : 2;
  if (s.frame != kHidden && g.SparkleTicks >= 3 * s.frame + 18) s.frame = kHidden;
}

}  // namespace

void SparkleStep(World& g) {
  for (SparkleEntry& s : g.Sparkles) {
    if (g.SparkleTicks == 0)
      Scatter(g, s);
    else
      Drift(g, s);
    if (s.frame != kHidden) s.frame = (s.frame + 1) % 4;
  }
  g.SceneDirty = kTrue;
  g.SparkleTicks += 1;
  if (g.SparkleTicks == kSnowCapTick) g.view->SnowCapped();
  if (g.SparkleTicks >= kLastTick) g.SparkleOn = kFalse;
}

}  // namespace slidestone
