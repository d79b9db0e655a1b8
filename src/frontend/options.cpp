// The options screen: GAME LV, TIME LIMIT and STAGESERECT under the high score, and EXIT back
// to the menu. The choices live in memory only; the next run starts from the defaults again.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

void PlayOptionSound(World& g) { g.audio->PlayEffect(kSoundOptionFlip, kChannelMain); }

int NextStage(int32_t s) { return s + 1 > kLastStageIndex ? 0 : s + 1; }

}  // namespace

void OptionsScreen(World& g) {
  const bool tick = StepDue(g, g.optionsClock, 100);
  if (tick) {
    g.BackgroundScroll = (g.BackgroundScroll + 1) % 32;
    g.front->OptionsPatternShown();
  }

  if (On(g.KeyState[kKeyDown])) {
    g.KeyState[kKeyDown] = 0;
    g.CursorRow = (g.CursorRow + 1) % kOptionRows;
    PlayCursorSound(*g.audio);
  }
  if (On(g.KeyState[kKeyUp])) {
    g.KeyState[kKeyUp] = 0;
    g.CursorRow = g.CursorRow == 0 ? kOptionRows - 1 : g.CursorRow - 1;
    PlayCursorSound(*g.audio);
  }
  // Left and Right belong to STAGESERECT alone; elsewhere they stay set, so an arrow still held
  // when the cursor reaches that row acts there.
  if (On(g.KeyState[kKeyLeft]) && g.CursorRow == kOptionStage) {
    g.KeyState[kKeyLeft] = 0;
    g.StartStage = g.StartStage - 1 < 0 ? kLastStageIndex : g.StartStage - 1;
    PlayOptionSound(g);
  }
  if (On(g.KeyState[kKeyRight]) && g.CursorRow == kOptionStage) {
    g.KeyState[kKeyRight] = 0;
    g.StartStage = NextStage(g.StartStage);
    PlayOptionSound(g);
  }
  if (On(g.KeyState[kKeySpace])) {
    g.KeyState[kKeySpace] = 0;
    switch (g.CursorRow) {
      case kOptionLevel:
        g.Difficulty = (g.Difficulty + 1) % kDifficultyLevels;
        PlayOptionSound(g);
        break;
      case kOptionTime:
        g.TimeLimitOn = !On(g.TimeLimitOn) ? kTrue : kFalse;
        PlayOptionSound(g);
        break;
      case kOptionStage:
        g.StartStage = NextStage(g.StartStage);
        PlayOptionSound(g);
        break;
      case kOptionExit:
        PlayConfirmSound(*g.audio);
        g.GameState = kStateMenu;
        g.CursorRow = 0;
        g.front->LogoUnhidden();
        g.TitleAnimTick = 0;
        g.WalkerX = 0;
        g.EnemyX = 0;
        break;
      default:
        break;
    }
  }

  g.front->OptionRowsShown(tick);
  g.front->MenuPresented();
}

}  // namespace slidestone
