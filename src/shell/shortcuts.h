// `--verify --shortcuts`: for every stage and level of a folder, the solver is asked for a line
// that beats the stage's proof (fewer tool uses, a higher score, or ten seconds sooner). Each
// finding is a row and a script in the report's folder, which plays as the proofs do.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "shell/verify.h"

namespace slidestone {

struct ShortcutsCommand {
  std::string stageDir;
  int only = 0;          // one stage (1..18), or 0 for all
  double seconds = 10;   // the budget of each search
  std::string outDir = "shortcuts";  // where the scripts of the findings go (made when missing)
};

// Tenths of a second sooner that count as a finding by themselves.
constexpr int32_t kMuchSoonerTenths = 100;

// The exit code: 0 when every proof was searched against (findings or none), 1 when a proof did
// not replay as a win or a finding did not replay as found, 2 when the report's folder cannot be
// used.
int RunShortcuts(const ShortcutsCommand& c, const RunKit& kit, const std::function<double()>& clock,
                 std::FILE* out, std::FILE* err);

}  // namespace slidestone
