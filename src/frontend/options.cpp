// The options screen: GAME LV, TIME LIMIT and STAGESERECT under the high score, and EXIT back
// to the menu. The choices live in memory only; the next run starts from the defaults again.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "frontend/words.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

enum OptionRow { kRowLevel = 0, kRowTime = 1, kRowStage = 2, kRowExit = 3 };

void PlayOptionSound(Game& g) { g.audio->PlayEffect(kSoundOptionFlip, kChannelMain); }

int NextStage(int32_t s) { return s + 1 > kLastStageIndex ? 0 : s + 1; }

// The block of rows under the high score: from GAME LV down to EXIT, out to the stage digits.
constexpr int kRowsX = 30, kRowsY = 160, kRowsW = 448 - kRowsX, kRowsH = 400 + kWordH - kRowsY;

// The rows under the high score, bright where the cursor is. The words are keyed, so the block
// is first put back from the pattern: a shorter word must not leave the end of the longer one it
// replaces (EASY after HARD, 9 after 10).
void DrawOptionRows(Game& g) {
  Surface& out = g.menuWindow.startbox1;
  const Surface& words = g.menuWindow.messagebox;
  DrawMenuBackground(g.menuWindow, out, g.BackgroundScroll, {kRowsX, kRowsY, kRowsW, kRowsH});
  auto half = [&](int row) { return g.CursorRow == row ? kBrightX : 0; };

  KeyedCopy(out, 30, 160, 256, kWordH, words, half(kRowLevel), RowY(kRowGameLv));
  KeyedCopy(out, 320, 160, 128, kWordH, words, 128 * g.Difficulty,
            RowY(g.CursorRow == kRowLevel ? kRowLevelsBright : kRowLevelsDim));

  KeyedCopy(out, 30, 240, 256, kWordH, words, half(kRowTime), RowY(kRowTimeLimit));
  const int onOff = (On(g.TimeLimitOn) ? 0 : 128) + half(kRowTime);
  KeyedCopy(out, 320, 240, 128, kWordH, words, onOff, RowY(kRowOnOff));

  KeyedCopy(out, 30, 320, 256, kWordH, words, half(kRowStage), RowY(kRowStageSelect));
  const int digitRow = RowY(g.CursorRow == kRowStage ? kRowDigitsBright : kRowDigitsDim);
  const int shown = g.StartStage + 1;
  if (shown / 10 != 0) KeyedCopy(out, 384, 320, 32, kWordH, words, 32 * (shown / 10), digitRow);
  KeyedCopy(out, 416, 320, 32, kWordH, words, 32 * (shown % 10), digitRow);

  KeyedCopy(out, 30, 400, 128, kWordH, words, 384,
            RowY(g.CursorRow == kRowExit ? kRowLevelsBright : kRowLevelsDim));
}

}  // namespace

void DrawHighScore(MenuWindow& w, int32_t value) {
  Surface& out = w.startbox1;
  KeyedCopy(out, 30, 80, 256, kWordH, w.messagebox, 0, RowY(kRowHighScore));
  DrawSixDigits(out, w.messagebox, value, 300, 80);
}

void OptionsScreen(Game& g) {
  MenuWindow& w = g.menuWindow;
  const bool tick = StepDue(g, g.optionsClock, 100);
  if (tick) {
    g.BackgroundScroll = (g.BackgroundScroll + 1) % 32;
    if (Watched(g)) {
      DrawMenuBackground(w, w.startbox1, g.BackgroundScroll);
      KeyedCopy(w.startbox1, 30, 0, 256, kWordH, w.messagebox, kBrightX, RowY(kRowOption));
      DrawHighScore(w, g.HighScore);
    }
  }

  if (On(g.KeyState[kKeyDown])) {
    g.KeyState[kKeyDown] = 0;
    g.CursorRow = (g.CursorRow + 1) % 4;
    PlayCursorSound(*g.audio);
  }
  if (On(g.KeyState[kKeyUp])) {
    g.KeyState[kKeyUp] = 0;
    g.CursorRow = g.CursorRow == 0 ? 3 : g.CursorRow - 1;
    PlayCursorSound(*g.audio);
  }
  // Left and Right belong to STAGESERECT alone; elsewhere they stay set, so an arrow still held
  // when the cursor reaches that row acts there.
  if (On(g.KeyState[kKeyLeft]) && g.CursorRow == kRowStage) {
    g.KeyState[kKeyLeft] = 0;
    g.StartStage = g.StartStage - 1 < 0 ? kLastStageIndex : g.StartStage - 1;
    PlayOptionSound(g);
  }
  if (On(g.KeyState[kKeyRight]) && g.CursorRow == kRowStage) {
    g.KeyState[kKeyRight] = 0;
    g.StartStage = NextStage(g.StartStage);
    PlayOptionSound(g);
  }
  if (On(g.KeyState[kKeySpace])) {
    g.KeyState[kKeySpace] = 0;
    switch (g.CursorRow) {
      case kRowLevel:
        g.Difficulty = (g.Difficulty + 1) % kDifficultyLevels;
        PlayOptionSound(g);
        break;
      case kRowTime:
        g.TimeLimitOn = !On(g.TimeLimitOn) ? kTrue : kFalse;
        PlayOptionSound(g);
        break;
      case kRowStage:
        g.StartStage = NextStage(g.StartStage);
        PlayOptionSound(g);
        break;
      case kRowExit:
        PlayConfirmSound(*g.audio);
        g.GameState = kStateMenu;
        g.CursorRow = 0;
        ShowSurface(w.startbox2);
        g.TitleAnimTick = 0;
        g.WalkerX = 0;
        g.EnemyX = 0;
        break;
      default:
        break;
    }
  }

  // Options and menu keys differ (bit 40), so coming back from one to the other redraws. The
  // time limit counts as what it shows, ON or OFF, not by the number it holds.
  const int64_t shownOn = On(g.TimeLimitOn) ? 1 : 0;
  const int64_t key = (int64_t(1) << 40) | (int64_t(g.CursorRow) << 32) |
                      (int64_t(g.Difficulty & 0xFF) << 24) | (shownOn << 16) |
                      int64_t(g.StartStage & 0xFFFF);
  if (FrontWordsStale(g, tick, key) && Watched(g)) DrawOptionRows(g);
  w.startbox1.Present();
}

}  // namespace slidestone
