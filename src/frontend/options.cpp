// The options screen: GAME LV, TIME LIMIT and STAGESERECT under the high score, and EXIT back
// to the menu. The choices live in memory only; the next run starts from the defaults again.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

void PlayOptionSound(Audio& audio) { audio.PlayEffect(kSoundOptionFlip, kChannelMain); }

int NextStage(int32_t s) { return s + 1 > kLastStageIndex ? 0 : s + 1; }

// Left, Right and Space on the row under the cursor: the choices, or EXIT back to the menu.
void OptionKeysStep(SessionState& s, MenuState& m, KeyboardState& keys, Audio& audio, FrontView& view) {
  // Left and Right belong to STAGESERECT alone; elsewhere they stay set, so an arrow still held
  // when the cursor reaches that row acts there.
  if (On(keys.KeyState[kKeyLeft]) && m.CursorRow == kOptionStage) {
    keys.KeyState[kKeyLeft] = 0;
    s.StartStage = s.StartStage - 1 < 0 ? kLastStageIndex : s.StartStage - 1;
    PlayOptionSound(audio);
  }
  if (On(keys.KeyState[kKeyRight]) && m.CursorRow == kOptionStage) {
    keys.KeyState[kKeyRight] = 0;
    s.StartStage = NextStage(s.StartStage);
    PlayOptionSound(audio);
  }
  if (On(keys.KeyState[kKeySpace])) {
    keys.KeyState[kKeySpace] = 0;
    switch (m.CursorRow) {
      case kOptionLevel:
        s.Difficulty = (s.Difficulty + 1) % kDifficultyLevels;
        PlayOptionSound(audio);
        break;
      case kOptionTime:
        s.TimeLimitOn = !On(s.TimeLimitOn) ? kTrue : kFalse;
        PlayOptionSound(audio);
        break;
      case kOptionStage:
        s.StartStage = NextStage(s.StartStage);
        PlayOptionSound(audio);
        break;
      case kOptionExit:
        PlayConfirmSound(audio);
        s.GameState = kStateMenu;
        m.CursorRow = 0;
        view.LogoUnhidden();
        m.TitleAnimTick = 0;
        m.WalkerX = 0;
        m.EnemyX = 0;
        break;
      default:
        break;
    }
  }
}

}  // namespace

void OptionsScreen(World& g) {
  const bool tick = StepDue(g, g.optionsClock, 100);
  if (tick) {
    g.BackgroundScroll = (g.BackgroundScroll + 1) % 32;
    g.front->OptionsPatternShown();
  }
  MenuCursorStep(g, g, kOptionRows, *g.audio);
  OptionKeysStep(g, g, g, *g.audio, *g.front);
  g.front->OptionRowsShown(tick);
  g.front->MenuPresented();
}

}  // namespace slidestone
