// The menu window's pictures (the title, the main menu and its logo scene, the options) and the
// splash, as the front view draws them.
#include <algorithm>

#include "graphics/forms.h"
#include "graphics/sheet_frames.h"
#include "presentation/front_screen.h"
#include "presentation/menu_words.h"
#include "stagedata/model.h"

namespace slidestone {

namespace {

constexpr int kFigureY = 188;  // the logo scene's figures stand on the logo's bottom edge (220 - 32)

// The options' block of rows under the high score: from GAME LV down to EXIT, out to the stage
// digits.
constexpr int kRowsX = 30, kRowsY = 160, kRowsW = 448 - kRowsX, kRowsH = 400 + kWordH - kRowsY;

void BlendLogo(SplashWindow& w, const Surface& logo, int x, int y, int alpha) {
  Shade(w.canvas, x, y, logo.Width(), logo.Height(), logo, 0, 0, logo.Width(), logo.Height(), alpha);
}

}  // namespace

void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s) {
  DrawMenuBackground(w, surface, s, {0, 0, kScreenW, kScreenH});
}

void DrawMenuBackground(const MenuWindow& w, Surface& surface, int s, const Rect& area) {
  const Surface& pattern = w.startback;
  // Four copies of the same 320 x 240 piece of the pattern. The lower half starts half a period
  // further in: 240 is 16 rows past a multiple of 32, so the pattern runs on across the middle
  // without a seam.
  constexpr int kQuarterW = kPatternPiece.w, kQuarterH = kPatternPiece.h;
  for (int qy = 0; qy < kScreenH; qy += kQuarterH) {
    for (int qx = 0; qx < kScreenW; qx += kQuarterW) {
      const int x0 = std::max(area.x, qx), x1 = std::min(area.x + area.w, qx + kQuarterW);
      const int y0 = std::max(area.y, qy), y1 = std::min(area.y + area.h, qy + kQuarterH);
      if (x1 <= x0 || y1 <= y0) continue;
      Copy(surface, x0, y0, x1 - x0, y1 - y0, pattern, kPatternPiece.x + s + x0 - qx,
           kPatternPiece.y + s + (qy == 0 ? 0 : 16) + y0 - qy);
    }
  }
}

void DrawHighScore(MenuWindow& w, int32_t value) {
  Surface& out = w.startbox1;
  KeyedCopy(out, 30, 80, 256, kWordH, w.messagebox, 0, RowY(kRowHighScore));
  DrawSixDigits(out, w.messagebox, value, 300, 80);
}

// The first logo fades in, the second fades in below it, then both fade out together. Each step
// repaints the canvas from black, so a step shows its logos at exactly its opacity.
void FrontScreen::SplashShown(int step) {
  SplashWindow& w = forms_.splashWindow;
  if (step == 0) {
    // The canvas fills the 640 x 480 screen, so centring it leaves it at the origin.
    MoveSurface(w.canvas, (kScreenW - w.canvas.Width()) / 2, (kScreenH - w.canvas.Height()) / 2);
    ShowForm(forms_, w);
  }
  w.canvas.Fill(Rgb(0, 0, 0));
  if (step < 64) {
    BlendLogo(w, w.firstLogo, 150, 0, 4 * step);  // 0, 4, ..., 252
  } else if (step < 96) {
    BlendLogo(w, w.firstLogo, 150, 0, 255);
    BlendLogo(w, w.secondLogo, 100, 200, 8 * (step - 64));  // 0, 8, ..., 248
  } else {
    const int alpha = 255 - 8 * (step - 96);  // 255, 247, ..., 7
    BlendLogo(w, w.firstLogo, 150, 0, alpha);
    BlendLogo(w, w.secondLogo, 100, 200, alpha);
  }
  w.canvas.Present();
}

void FrontScreen::TitleShown() {
  MenuWindow& w = forms_.menuWindow;
  DrawMenuBackground(w, w.startbox1, 0);
  CopyFrame(w.startbox2, 0, 0, w.title, kTitleLogo);
  for (int i = 0; i < 3; ++i) {
    KeyedCopy(w.startbox1, 200, 250 + 64 * i, 256, kWordH, w.messagebox, 0, RowY(kRowGameStart + i));
  }
}

void FrontScreen::TitleIn() {
  forms_.menuWindow.startbox1.Present();
  forms_.menuWindow.startbox2.Present();
}

void FrontScreen::MenuPatternShown() {
  MenuWindow& w = forms_.menuWindow;
  DrawMenuBackground(w, w.startbox1, m_.BackgroundScroll);
}

void FrontScreen::LogoCleared() {
  MenuWindow& w = forms_.menuWindow;
  CopyFrame(w.startbox2, 0, 0, w.title, kTitleLogo);
}

void FrontScreen::LogoWalkerShown() {
  const SheetRun pose = kPlayerPoses.Row(m_.WalkerStep == 2 ? 0 : 1);
  MaskedFrame(forms_.menuWindow.startbox2, m_.WalkerX, kFigureY, forms_.stageWindow.mainchar, pose,
              m_.WalkerFrame);
}

void FrontScreen::LogoWalkerHalted() {
  MenuWindow& w = forms_.menuWindow;
  Copy(w.startbox2, m_.WalkerX, kFigureY, 32, 32, w.title, m_.WalkerX, kFigureY);
  MaskedFrame(w.startbox2, m_.WalkerX, kFigureY, forms_.stageWindow.mainchar, kPlayerPoses.Row(3), 3);
}

void FrontScreen::LogoEnemyShown() {
  MaskedFrame(forms_.menuWindow.startbox2, m_.EnemyX, kFigureY, forms_.stageWindow.fieldSheet,
              field_sheet::kWalkerLeft, m_.EnemyFrame);
}

void FrontScreen::LogoPresented() { forms_.menuWindow.startbox2.Present(); }
void FrontScreen::LogoHidden() { HideSurface(forms_.menuWindow.startbox2); }
void FrontScreen::LogoUnhidden() { ShowSurface(forms_.menuWindow.startbox2); }

bool FrontScreen::WordsStale(bool tick, int64_t key) {
  const bool entered = lastPass_ != m_.Now - 1;
  const bool stale = tick || entered || key != wordsKey_;
  lastPass_ = m_.Now;
  wordsKey_ = key;
  return stale;
}

void FrontScreen::MenuWordsShown(bool tick) {
  if (!WordsStale(tick, m_.CursorRow)) return;
  MenuWindow& w = forms_.menuWindow;
  DrawMenuBackground(w, w.startbox1, m_.BackgroundScroll, {200, 250, 256, 192});
  for (int i = 0; i < 3; ++i) {
    KeyedCopy(w.startbox1, 200, 250 + 64 * i, 256, kWordH, w.messagebox,
              i == m_.CursorRow ? kBrightX : 0, RowY(kRowGameStart + i));
  }
}

void FrontScreen::OptionsPatternShown() {
  MenuWindow& w = forms_.menuWindow;
  DrawMenuBackground(w, w.startbox1, m_.BackgroundScroll);
  KeyedCopy(w.startbox1, 30, 0, 256, kWordH, w.messagebox, kBrightX, RowY(kRowOption));
  DrawHighScore(w, m_.HighScore);
}

// The rows under the high score, bright where the cursor is. The words are keyed, so the block
// is first put back from the pattern: a shorter word must not leave the end of the longer one it
// replaces (EASY after HARD, 9 after 10).
void FrontScreen::OptionRowsShown(bool tick) {
  // Options and menu keys differ (bit 40), so coming back from one to the other redraws. The
  // time limit counts as what it shows, ON or OFF, not by the number it holds.
  const int64_t shownOn = On(m_.TimeLimitOn) ? 1 : 0;
  const int64_t key = (int64_t(1) << 40) | (int64_t(m_.CursorRow) << 32) |
                      (int64_t(m_.Difficulty & 0xFF) << 24) | (shownOn << 16) |
                      int64_t(m_.StartStage & 0xFFFF);
  if (!WordsStale(tick, key)) return;

  MenuWindow& w = forms_.menuWindow;
  Surface& out = w.startbox1;
  const Surface& words = w.messagebox;
  DrawMenuBackground(w, out, m_.BackgroundScroll, {kRowsX, kRowsY, kRowsW, kRowsH});
  auto half = [&](int row) { return m_.CursorRow == row ? kBrightX : 0; };

  KeyedCopy(out, 30, 160, 256, kWordH, words, half(kOptionLevel), RowY(kRowGameLv));
  KeyedCopy(out, 320, 160, kValueCellW, kWordH, words, kValueCellW * m_.Difficulty,
            RowY(m_.CursorRow == kOptionLevel ? kRowLevelsBright : kRowLevelsDim));

  KeyedCopy(out, 30, 240, 256, kWordH, words, half(kOptionTime), RowY(kRowTimeLimit));
  const int onOff = (On(m_.TimeLimitOn) ? 0 : kValueCellW) + half(kOptionTime);
  KeyedCopy(out, 320, 240, kValueCellW, kWordH, words, onOff, RowY(kRowOnOff));

  KeyedCopy(out, 30, 320, 256, kWordH, words, half(kOptionStage), RowY(kRowStageSelect));
  const SheetRun digits = kMenuDigits.Row(m_.CursorRow == kOptionStage ? kRowDigitsBright : kRowDigitsDim);
  const int shown = m_.StartStage + 1;
  if (shown / 10 != 0) KeyedFrame(out, 384, 320, words, digits, shown / 10);
  KeyedFrame(out, 416, 320, words, digits, shown % 10);

  constexpr int kExitCell = 3;  // after EASY, NORMAL and HARD
  KeyedCopy(out, 30, 400, kValueCellW, kWordH, words, kValueCellW * kExitCell,
            RowY(m_.CursorRow == kOptionExit ? kRowLevelsBright : kRowLevelsDim));
}

void FrontScreen::MenuPresented() { forms_.menuWindow.startbox1.Present(); }
void FrontScreen::MenuWindowShown() { ShowForm(forms_, forms_.menuWindow); }

void FrontScreen::HighScoreNotSaved(const std::string& why) {
  SetText(forms_.menuWindow.notice, "High score not saved: " + why);
}

void FrontScreen::StageWindowOpened() {
  ShowFormMaximised(forms_, forms_.stageWindow, m_.MenuX, m_.MenuY);
}

}  // namespace slidestone
