#include "solver/stone_guide.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "stagedata/codes.h"

namespace slidestone::solver {

namespace {

constexpr int kCols = StoneGuide::kCols;
constexpr int kRows = StoneGuide::kRows;

// A tile the hammer breaks, or is breaking already.
bool Breakable(int32_t code) { return HammerBreaks(code) || code == kSpeedTileBreaking; }

// What being in the cell costs on top of the step into it, or -1 when the stone cannot be there
// (a solid cell, or outside the field: below it the stone is lost).
int EnterCost(const Grid& map, int col, int row) {
  if (col < 0 || row < 0 || col >= kCols || row >= kRows) return -1;
  const int32_t code = map(col, row);
  if (!Solid(code)) return 0;
  return Breakable(code) ? StoneGuide::kBreak : -1;
}

struct Step {
  int col, row;
  bool thrown;
  int cost;
};

// The steps out of a cell, sliding (or falling) or thrown. Calls `to` for each.
template <class To>
void Steps(const Grid& map, int c, int r, bool thrown, To to) {
  auto into = [&](int col, int row, bool asThrown, int cost) {
    const int enter = EnterCost(map, col, row);
    if (enter < 0 || (asThrown && enter > 0)) return;
    to(Step{col, row, asThrown, cost + enter});
  };
  if (thrown) {
    into(c, r, false, 0);  // the throw ends: it falls or slides on from here
    into(c - 1, r, true, StoneGuide::kFly);
    into(c + 1, r, true, StoneGuide::kFly);
    into(c, r - 1, true, StoneGuide::kRise);
    return;
  }
  const bool held = r + 1 < kRows && Solid(map(c, r + 1));
  if (!held || Breakable(map(c, r + 1))) into(c, r + 1, false, StoneGuide::kCell);  // a fall
  if (!held) return;
  into(c - 1, r, false, StoneGuide::kCell);
  into(c + 1, r, false, StoneGuide::kCell);
  into(c, r - 1, true, StoneGuide::kRise);  // a spring under it
}

}  // namespace

void StoneGuide::Update(const Model& w) {
  if (known_ && w.Map == map_ && w.AiMap == objects_) return;
  map_ = w.Map;
  objects_ = w.AiMap;
  std::array<uint8_t, size_t(kCols * kRows)> kinds{};
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      const int enter = EnterCost(map_, c, r);
      kinds[size_t(r * kCols + c)] = uint8_t((enter < 0 ? 0 : enter == 0 ? 1 : 2) | (objects_(c, r) == kGoal ? 4 : 0));
    }
  }
  if (known_ && kinds == kinds_) return;
  kinds_ = kinds;
  known_ = true;
  Build();
}

void StoneGuide::Build() {
  // Every step, turned round: where a node can be reached from, and at what cost. No node has
  // more than four ways in (two beside it, one above or below, and the throw's end or start).
  struct From {
    std::array<std::pair<uint16_t, int>, 4> steps;
    int count = 0;
  };
  std::array<From, kNodes> from{};
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      for (const bool thrown : {false, true}) {
        if (EnterCost(map_, c, r) < 0) continue;
        const size_t at = Index(c, r, thrown);
        Steps(map_, c, r, thrown, [&](const Step& s) {
          From& into = from[Index(s.col, s.row, s.thrown)];
          into.steps[size_t(into.count++)] = {uint16_t(at), s.cost};
        });
      }
    }
  }
  cells_.fill(kNoWay);
  using Item = std::pair<int, size_t>;  // distance, node
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> open;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      if ((kinds_[size_t(r * kCols + c)] & 4) != 0 && EnterCost(map_, c, r) >= 0) {
        cells_[Index(c, r, false)] = 0;
        open.push({0, Index(c, r, false)});
      }
    }
  }
  while (!open.empty()) {
    const auto [d, at] = open.top();
    open.pop();
    if (d != cells_[at]) continue;
    for (int i = 0; i < from[at].count; ++i) {
      const auto [before, cost] = from[at].steps[size_t(i)];
      if (d + cost < cells_[before]) {
        cells_[before] = d + cost;
        open.push({d + cost, before});
      }
    }
  }
}

int StoneGuide::Distance(const Model& w) {
  Update(w);
  int best = kNoWay;
  const int x = w.StoneX, y = w.StoneY;
  const bool thrown = On(w.StoneLaunched);
  for (const int px : {x, x + 31}) {
    for (const int py : {y, y + 31}) {
      if (px < 0 || py < 0 || px / 32 >= kCols || py / 32 >= kRows) continue;
      const int c = px / 32, r = py / 32;
      const int d = cells_[Index(c, r, thrown)];
      if (d < kNoWay) best = std::min(best, d + std::abs(x - c * 32) + std::abs(y - r * 32));
    }
  }
  return best;
}

}  // namespace slidestone::solver
