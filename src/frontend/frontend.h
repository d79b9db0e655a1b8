// Everything outside stage play: splash, title, menus, options, house shot, results, roll.
#pragma once

#include <cstdint>

namespace slidestone {

struct Game;
struct MenuWindow;
class Surface;
struct Rect;

// One of the splash's 128 fade steps (0..127), drawn on the splash window's canvas and presented.
void LogoSplashStep(Game& g, int step);
constexpr int kSplashSteps = 128;

void TitleScreen(Game& g);
// The creeping stone pattern at scroll s (0..31) over the whole surface, or over `area` only:
// the menus put it back under their words from the pattern itself, so no clean copy of the
// screen is kept.
void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s);
void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s, const Rect& area);
void MainMenu(Game& g);
void OptionsScreen(Game& g);
void DrawHighScore(MenuWindow& w, int32_t value);
void HouseSetupStep(Game& g);
void HouseShotStep(Game& g);
void ShowShotComment(Game& g);
void ResultsScreen(Game& g);
void ClosingRollStep(Game& g);
// At the roll's end: a total better than the high score becomes it and is saved, unless a
// better one was stored meanwhile (then that one becomes this game's high score). A failed
// save puts one line on the title.
void SaveHighScore(Game& g);

}  // namespace slidestone
