// A line found by the solver as a proof script: from the title through the options (level and
// first stage) to GAME START, the line `# play`, then the line's key events with `wait`s between
// them in virtual milliseconds, as a player would have typed them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/sim.h"

namespace slidestone {

// The script's lines; `comment` (one line) heads it. `endPass` is the pass the stage ends at,
// so the script played on its own runs to the end of the stage.
std::vector<std::string> ProofLines(int stage, int32_t difficulty, const std::vector<solver::KeyPress>& line,
                                    int32_t endPass, const std::string& comment);

}  // namespace slidestone
