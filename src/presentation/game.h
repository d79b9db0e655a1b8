// The game: the world the rules run in (stagedata/world.h) with the windows that show it. Its
// stage screen draws what play asks for, its front screen what the screens around play ask for;
// a run nobody watches points both views elsewhere and draws nothing.
#pragma once

#include <cstdint>

#include "graphics/forms.h"
#include "presentation/front_screen.h"
#include "presentation/stage_screen.h"
#include "stagedata/world.h"

namespace slidestone {

struct Game : World {
  Forms forms;
  StageWindow& stageWindow = forms.stageWindow;
  MenuWindow& menuWindow = forms.menuWindow;
  HouseWindow& houseWindow = forms.houseWindow;
  SplashWindow& splashWindow = forms.splashWindow;
  StageScreen stageScreen{*this};
  FrontScreen frontScreen{forms, *this};

  Game() {
    view = &stageScreen;
    front = &frontScreen;
  }
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;
};

}  // namespace slidestone
