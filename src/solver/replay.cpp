#include "solver/search.h"

#include <algorithm>

namespace slidestone::solver {

namespace {

// A proof may stand still a long while after its last key: the stage time, with room to spare.
constexpr int32_t kGraceTenths = 600;

}  // namespace

bool ReplayLine(const std::string& stageDir, int stage, int32_t difficulty, const std::vector<KeyPress>& line,
                LineSummary& summary) {
  Sim sim;
  std::string why;
  if (!StartStage(sim, stageDir, stage, difficulty, why)) return false;
  const int32_t limit = (sim.w.StageTime + kGraceTenths) * 100;
  summary = {};
  size_t next = 0;
  while (sim.pass < limit && !sim.Over()) {
    // Events delivered at a pass are queued just before it.
    while (next < line.size() && line[next].pass == sim.pass) {
      if (line[next].down) sim.Press(line[next].key);
      else sim.Release(line[next].key);
      ++next;
    }
    const int32_t points = sim.w.ToolPoints;
    const bool keyAhead = next < line.size() && line[next].pass > sim.pass;
    sim.Advance(keyAhead ? std::min(limit, line[next].pass) : limit);
    if (sim.w.ToolPoints == points - 1) ++summary.toolUses;
  }
  summary.score = sim.w.StageScore;
  summary.timeLeft = sim.w.StageTime;
  summary.passes = sim.pass;
  return sim.Won();
}

}  // namespace slidestone::solver
