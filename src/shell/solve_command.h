// `--solve N`: the stage solver on stage N of a folder, its line written as a proof script and
// replayed once through the proof runner to confirm it wins, and a summary row.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "shell/verify.h"
#include "solver/search.h"

namespace slidestone {

struct SolveCommand {
  int stage = 1;  // 1..18
  bool hard = false;
  std::string stageDir;
  double seconds = 60;
  std::string outPath;  // where the script goes (a new file); empty: solve-NN-LEVEL.script here
  bool terminal = false;  // progress on one line of `progress` as the search runs
};

// The exit code: 0 a win was found and replayed as one, 1 none was (or its replay failed), 2 the
// stage cannot be played. Rows go to `out`, progress and problems to `progress`.
int RunSolveCommand(const SolveCommand& c, const RunKit& kit, const std::function<double()>& elapsed,
                    std::FILE* out, std::FILE* progress);

// Plays a line written as a proof script (solver/line_script.h) from the title through the
// runner --verify uses; "" when it wins stage `stage` exactly as `summary` says, else why not.
std::string ConfirmLine(const RunKit& kit, const std::string& stageDir, int stage,
                        const std::vector<std::string>& lines, const solver::LineSummary& summary);

}  // namespace slidestone
