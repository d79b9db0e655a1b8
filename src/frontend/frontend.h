// Everything outside stage play: splash, title, menus, options, house shot, results, roll. Each
// step changes the model and asks the world's front view (stagedata/front_view.h) for what the
// screen must show; the drawing is presentation's.
#pragma once

#include <cstdint>

namespace slidestone {

class Audio;
struct KeyboardState;
struct MenuState;
struct World;

// One of the splash's 128 fade steps (0..127); others show nothing.
void LogoSplashStep(World& g, int step);
constexpr int kSplashSteps = 128;

void TitleScreen(World& g);
void MainMenu(World& g);
void OptionsScreen(World& g);
// Down and Up move the cursor of the menu or the options over its `rows` rows, round the ends,
// with the cursor sound; each key is used up.
void MenuCursorStep(MenuState& m, KeyboardState& keys, int32_t rows, Audio& audio);
void HouseSetupStep(World& g);
void HouseShotStep(World& g);
void ShowShotComment(World& g);
void ResultsScreen(World& g);
void ClosingRollStep(World& g);
// At the roll's end: a total better than the high score becomes it and is saved, unless a
// better one was stored meanwhile (then that one becomes this game's high score). A failed
// save puts one line on the title.
void SaveHighScore(World& g);

}  // namespace slidestone
