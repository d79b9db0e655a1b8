// The game's own generated pictures loaded into a Game's forms, for tests that look at real
// screens.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "graphics/forms.h"
#include "graphics/sheets.h"
#include "platform/sdl_image_io.h"
#include "presentation/game.h"

namespace slidestone::testing {

// Creates the forms and loads every sheet from the build's pictures/; a failure fails the test.
inline void LoadGameSheets(Game& g) {
  CreateForms(g.forms);
  SdlImageIO io;
  std::string error;
  if (!LoadSheets(g.forms, SLIDESTONE_DATA_DIR "/pictures", io, error)) ADD_FAILURE() << error;
}

}  // namespace slidestone::testing
