// Writing a script's `shot` picture inside the shots folder (--shots-dir, default the current
// folder). The path has passed ShotPathProblem (relative, .png, no ".."); here no step of it
// may be a symbolic link, and an existing file is replaced only when it is a PNG picture, so a
// shared replay cannot overwrite a player's other files.
#pragma once

#include <string>

#include "graphics/surface.h"
#include "platform/sdl_image_io.h"

namespace slidestone {

bool WriteShot(SdlImageIO& images, const Surface& frame, const std::string& shotsDir,
               const std::string& path, std::string& why);

}  // namespace slidestone
