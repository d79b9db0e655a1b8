// What the screens around play (frontend/) ask to show: the splash, the title, the main menu
// with its logo scene, the options, the house shot, the results and the closing roll. Their
// steps change the model; when something on screen must change they say so here, and whoever
// shows the screens draws it at once, reading the model as it is at that moment. The view never
// decides anything.
//
// This base draws nothing: a run nobody watches steps those screens with no surface at all.
#pragma once

#include <cstdint>
#include <string>

namespace slidestone {

// The options' rows, top to bottom, as CursorRow counts them there.
enum OptionRow : int32_t { kOptionLevel = 0, kOptionTime = 1, kOptionStage = 2, kOptionExit = 3 };
constexpr int32_t kOptionRows = 4;

// The house shot's frame from which the stone stands on its end point and the view has caught up.
constexpr int kShotSettleFrame = 276;

class FrontView {
 public:
  virtual ~FrontView() = default;

  // --- the splash -----------------------------------------------------------------------------
  // One of the fade's steps, 0 to kSplashSteps - 1; the first brings the splash window up.
  virtual void SplashShown(int /*step*/) {}

  // --- the menu window: title, main menu, options ---------------------------------------------
  // The title: the pattern at rest, the clean logo, the menu's three words dim ...
  virtual void TitleShown() {}
  // ... and both its surfaces go on the screen.
  virtual void TitleIn() {}
  // The pattern at BackgroundScroll over the whole window (a tick of the main menu).
  virtual void MenuPatternShown() {}
  // The logo scene: the clean logo, then the walker at WalkerX in its pose, the walker halting,
  // the enemy at EnemyX; then the logo box goes on the screen.
  virtual void LogoCleared() {}
  virtual void LogoWalkerShown() {}
  virtual void LogoWalkerHalted() {}
  virtual void LogoEnemyShown() {}
  virtual void LogoPresented() {}
  // The logo box goes (the options use the whole window) or comes back.
  virtual void LogoHidden() {}
  virtual void LogoUnhidden() {}
  // The menu's words with CursorRow bright; `tick` says the pattern under them has just moved.
  virtual void MenuWordsShown(bool /*tick*/) {}
  // The options' tick: the pattern, the OPTION heading and the high score.
  virtual void OptionsPatternShown() {}
  // The options' rows with CursorRow bright, showing Difficulty, TimeLimitOn and StartStage.
  virtual void OptionRowsShown(bool /*tick*/) {}
  // The menu window's screen surface goes on the screen.
  virtual void MenuPresented() {}
  // The menu window comes to the top (the roll is over).
  virtual void MenuWindowShown() {}
  // A better score could not be saved: one line on the title says why.
  virtual void HighScoreNotSaved(const std::string& /*why*/) {}

  // --- the house window: house shot, results, closing roll ------------------------------------
  // The house window comes up with no text strip, the sheet of ice laid out on it.
  virtual void HouseSheetShown() {}
  // One frame of the shot: the house, the cross lines and the stone at ShotFrame.
  virtual void ShotShown() {}
  virtual void HousePresented() {}
  virtual void ShotCommentShown(const std::string& /*comment*/) {}
  // The shot is over and a stage follows: the comment goes, the stage window comes up.
  virtual void StageWindowBack() {}
  // The results: the difficulty played and TotalScore on black, presented.
  virtual void ResultsShown() {}
  // The closing roll: the screen goes black; a role or a name slides to (x, y) in its strip of
  // w x h; the pair on screen goes.
  virtual void RollBlackened() {}
  virtual void RollRoleAt(const std::string& /*role*/, int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
  virtual void RollNameAt(const std::string& /*name*/, int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
  virtual void RollLinesCleared() {}

  // --- into play ------------------------------------------------------------------------------
  // GAME START: the stage window comes up maximised, the tool menu at MenuX, MenuY.
  virtual void StageWindowOpened() {}
};

}  // namespace slidestone
