// A stage's field as a picture: what the loader builds for stage N (tiles, goal, buckets,
// enemies) with the player and the stone at their starts, as the first frame of play shows it.
#pragma once

#include <string>

namespace slidestone {

struct RunKit;

// Writes stage `stage` (1..18) of `stageDir` as a 608 x 352 PNG. On a stage number out of
// range, a folder that does not load, or a file that cannot be written, returns false with one
// line saying why; nothing is written unless the stage loaded.
bool DrawStageImage(const RunKit& kit, const std::string& stageDir, int stage,
                    const std::string& path, std::string& error);

}  // namespace slidestone
