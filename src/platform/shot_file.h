// Writing pictures the player asked for: a script's `shot` inside the shots folder (--shots-dir,
// default the current folder) and `--image`'s file. Neither ever replaces a file it did not
// make: a new file is written, or one this run wrote before; any other picture only with
// --force, and a file that is not a PNG picture never. Nothing is written through a symbolic
// link. A shot's path has passed ShotPathProblem (relative, .png, no ".."), and no folder on its
// way may be a link either, so a shared replay cannot reach a player's other files.
#pragma once

#include <sys/types.h>

#include <set>
#include <string>
#include <utility>

#include "graphics/surface.h"
#include "platform/sdl_image_io.h"

namespace slidestone {

class PictureWriter {
 public:
  PictureWriter(SdlImageIO& images, bool force) : images_(images), force_(force) {}

  bool WriteShot(const Surface& frame, const std::string& shotsDir, const std::string& path,
                 std::string& why);
  // `path` is the user's own choice, relative or absolute; it must end in .png.
  bool WriteFile(const Surface& frame, const std::string& path, std::string& why);

 private:
  // Writes `name` inside the open folder `dir`; `shown` names it in messages.
  bool WriteAt(int dir, const std::string& name, const std::string& shown, const Surface& frame,
               std::string& why);

  SdlImageIO& images_;
  bool force_;
  std::set<std::pair<dev_t, ino_t>> made_;  // the files this run wrote
};

}  // namespace slidestone
