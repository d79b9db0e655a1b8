// The sheet catalogue: every fixed picture the windows carry, loaded from pictures/ and checked
// for its size before the game starts.
#pragma once

#include <string>
#include <vector>

#include "graphics/forms.h"
#include "graphics/image_io.h"

namespace slidestone {

// Loads every sheet into its surface. On a missing or wrong-sized file returns false with a
// message naming the file and what was expected.
bool LoadSheets(Forms& f, const std::string& picturesDir, ImageIO& io, std::string& error);

// The checks LoadSheets makes before decoding (every file there, with its size in its header),
// for finding missing data before anything starts when the decoding comes later.
bool CheckSheets(const std::string& picturesDir, ImageIO& io, std::string& error);

// The file names of the sheets, in the order LoadSheets reads them (a reader may start on them
// early).
std::vector<std::string> SheetFiles();

}  // namespace slidestone
