// The solver's command lines, `--solve N` and `--verify --shortcuts`, read apart from the game's
// own options: they open no window and share nothing with a game run but the data folder.
#pragma once

#include <optional>

namespace slidestone {

// The exit code when the command line asks for the solver; nothing when it does not.
std::optional<int> SolveCommandLine(int argc, char** argv);

}  // namespace slidestone
