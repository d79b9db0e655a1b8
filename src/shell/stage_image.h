// A stage's field as a picture: what the loader builds for stage N (tiles, goal, buckets,
// enemies) with the player and the stone at their starts, as the first frame of play shows it.
#pragma once

#include <functional>
#include <string>

namespace slidestone {

struct RunKit;
class Surface;

// Draws stage `stage` (1..18) of `stageDir` as a 608 x 352 picture and hands it to `save`. On
// a stage number out of range, a folder that does not load, or a picture `save` refuses,
// returns false with one line saying why; `save` is called only when the stage loaded.
bool DrawStageImage(const RunKit& kit, const std::string& stageDir, int stage,
                    const std::function<bool(const Surface&, std::string& error)>& save,
                    std::string& error);

}  // namespace slidestone
