// The screens around play as the front view: each request of the title, the menus, the house
// shot, the results and the roll (stagedata/front_view.h) drawn at once on the windows, from the
// model as it is at that moment.
#pragma once

#include <cstdint>
#include <string>

#include "stagedata/front_view.h"

namespace slidestone {

struct Forms;
struct MenuWindow;
struct Model;
struct Rect;
class Surface;

class FrontScreen final : public FrontView {
 public:
  FrontScreen(Forms& forms, const Model& model) : forms_(forms), m_(model) {}

  void SplashShown(int step) override;

  void TitleShown() override;
  void TitleIn() override;
  void MenuPatternShown() override;
  void LogoCleared() override;
  void LogoWalkerShown() override;
  void LogoWalkerHalted() override;
  void LogoEnemyShown() override;
  void LogoPresented() override;
  void LogoHidden() override;
  void LogoUnhidden() override;
  void MenuWordsShown(bool tick) override;
  void OptionsPatternShown() override;
  void OptionRowsShown(bool tick) override;
  void MenuPresented() override;
  void MenuWindowShown() override;
  void HighScoreNotSaved(const std::string& why) override;

  void HouseSheetShown() override;
  void ShotShown() override;
  void HousePresented() override;
  void ShotCommentShown(const std::string& comment) override;
  void StageWindowBack() override;
  void ResultsShown() override;
  void RollBlackened() override;
  void RollRoleAt(const std::string& role, int x, int y, int w, int h) override;
  void RollNameAt(const std::string& name, int x, int y, int w, int h) override;
  void RollLinesCleared() override;

  void StageWindowOpened() override;

  // The menu's words were drawn by someone else (a test): the next request draws them anew.
  void ForgetWords() { lastPass_ = -2; }

 private:
  // The menu and the options draw the same words pass after pass; this says whether anything
  // they show (summed up in key) has changed since they last drew, or a background tick has
  // just wiped them, or the screen has just been entered. The picture is the same either way.
  bool WordsStale(bool tick, int64_t key);

  Forms& forms_;
  const Model& m_;
  int64_t wordsKey_ = -1, lastPass_ = -2;
};

// The creeping stone pattern at scroll s (0..31) over the whole surface, or over `area` only:
// the menus put it back under their words from the pattern itself, so no clean copy of the
// screen is kept.
void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s);
void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s, const Rect& area);
void DrawHighScore(MenuWindow& w, int32_t value);

}  // namespace slidestone
