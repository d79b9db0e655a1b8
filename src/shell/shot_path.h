// Where a script's `shot` may write. Scripts are what players share as replays, so a replay
// must never be able to touch anything but pictures in the shots folder: the path is relative,
// ends in .png and has no ".." (nor an empty or "." step), so it always names a place inside
// that folder. The platform then refuses symbolic links on the way and files that are not PNGs.
#pragma once

#include <string>

namespace slidestone {

// What is wrong with a shot path, or "" when it may be used.
std::string ShotPathProblem(const std::string& path);

}  // namespace slidestone
