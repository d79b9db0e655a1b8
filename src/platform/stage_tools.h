// The stage-folder tools of the command line, `--verify` and `--image`, with the platform's
// pictures and settings files lent to their headless runs.
#pragma once

#include <string>

namespace slidestone {

// Replays the proofs of stageDir (stage `only`, or all when 0), and writes the full-game proof
// when fullGamePath is not empty; with `slack`, measures how far each press can move. The exit code.
int RunVerify(const std::string& dataDir, const std::string& stageDir, int only,
              const std::string& fullGamePath, bool slack);
// Draws stage N of stageDir to a PNG (a new file, or with force one that is a PNG already);
// the exit code, with one line on stderr on failure.
int RunStageImage(const std::string& dataDir, const std::string& stageDir, int stage,
                  const std::string& path, bool force);

}  // namespace slidestone
