// The game: the world the rules run in (stagedata/world.h) with the windows that show it. Its
// stage screen draws what play asks for; a run nobody watches points the view elsewhere and
// draws nothing.
#pragma once

#include <cstdint>

#include "graphics/forms.h"
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

  Game() { view = &stageScreen; }
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // What the menu and options screens last drew their words for and the pass they last ran in
  // (their words are redrawn only when something they show has changed).
  int64_t frontWordsKey = -1, frontLastPass = -2;
};

}  // namespace slidestone
