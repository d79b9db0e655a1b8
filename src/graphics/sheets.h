// The sheet catalogue: every fixed picture the windows carry, loaded from pictures/ and checked
// for its size before the game starts.
#pragma once

#include <string>

#include "graphics/forms.h"
#include "graphics/image_io.h"

namespace slidestone {

// Loads every sheet into its surface. On a missing or wrong-sized file returns false with a
// message naming the file and what was expected.
bool LoadSheets(Forms& f, const std::string& picturesDir, ImageIO& io, std::string& error);

}  // namespace slidestone
