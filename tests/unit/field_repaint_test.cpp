// The quick paths of drawing against the slow ones, over long stretches of random play on every
// shipped stage and through the screens around it, with the real pictures: the field's repaint
// (restoring only what the last repaint drew over the clean field) is done both ways on every
// repaint, and the screen composed part by part from what was presented is compared with the
// screen composed whole after every pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "audio/audio.h"
#include "dice.h"
#include "graphics/forms.h"
#include "real_sheets.h"
#include "shell/app.h"
#include "services/settings.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

using testing::Dice;

// The window's picture kept the quick way, checked against a whole composition.
struct ScreenCheck {
  Surface parts{kScreenW, kScreenH};
  Surface whole{kScreenW, kScreenH};
  int compared = 0;
  int mismatches = 0;
  void After(Forms& forms) {
    ComposeScreenParts(forms, parts, nullptr, TakeScreenDamage(forms));
    ComposeScreen(forms, whole, nullptr);
    ++compared;
    if (parts.Pixels() != whole.Pixels()) ++mismatches;
  }
};

// The window sleeps until the game's next paced step when that is more than a slice away. What
// the player sees or hears must then never change before it: after each pass, nothing may change
// before the step that pass said was next, unless a key came in meanwhile (a key wakes the window
// at once).
struct WakeCheck {
  int64_t quietUntil = 0;  // no change before this pass, as the passes since the last key said
  uint64_t version = 0;
  int early = 0;           // changes at a pass some earlier pass said nothing was due by
  int longSleeps = 0;      // passes after which the window would sleep longer than a slice
  void Forget() { quietUntil = 0; }  // values written from outside, as a script's `set`
  void After(Game& g, RecordingAudio& audio, bool keyDelivered) {
    const int64_t pass = g.Now - 1;
    const bool heard = !audio.TakeCalls().empty();  // taken every pass, so each is seen once
    const bool changed = heard || ScreenVersion(g.forms) != version;
    version = ScreenVersion(g.forms);
    if (changed && pass < quietUntil) ++early;
    if (keyDelivered) {  // the next pass acts on it
      quietUntil = 0;
      return;
    }
    if (g.nextStepAt != Game::kNoStepDue) {
      quietUntil = std::max(quietUntil, g.nextStepAt);
      if (g.nextStepAt > g.Now + 16) ++longSleeps;
    }
  }
};

struct RandomPlay {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  App app{g, false};
  ScreenCheck screen;
  RedrawCheck redraws;  // every quick redraw against a full one
  WakeCheck wake;
  bool keyWaiting = false;

  explicit RandomPlay(int stage, bool start = true) {
    g.audio = &audio;
    g.settings = &settings;
    g.stageDir = SLIDESTONE_DATA_DIR "/stage";
    testing::LoadGameSheets(g);
    g.forms.redrawCheck = &redraws;
    Run(1);
    g.StartStage = stage;
    if (!start) return;
    Tap(kKeySpace);  // title -> main menu
    Tap(kKeySpace);  // GAME START
  }
  // Runs passes; the screen is checked as often as a window shows frames.
  void Run(int ms) {
    for (int i = 0; i < ms && !app.Ended(); ++i) {
      app.Pass();
      wake.After(g, audio, std::exchange(keyWaiting, false));
      if (g.Now % 16 == 0) screen.After(g.forms);
    }
  }
  void Push(KeyEvent e) {
    app.input().Push(e);
    keyWaiting = true;
  }
  void Tap(int key) {
    Push({true, key});
    Run(1);
    Push({false, key});
    Run(1);
  }
};

TEST(FieldRepaint, QuickRepaintsMatchFullOnesOverRandomPlayOnEveryStage) {
  // Walking, jumping, dropping, the tool menu and its tools, giving up: no Escape, no pause.
  const int keys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeySpace, kKeySpace, kKeyZ};
  Dice dice{20261210};
  int repaintsChecked = 0;
  for (int stage = 0; stage < 18; ++stage) {
    SCOPED_TRACE("stage " + std::to_string(stage + 1));
    RandomPlay play(stage);
    ASSERT_EQ(play.g.GameState, kStatePlay);
    for (int t = 0; t < 40000 && !play.app.Ended(); ) {
      const int key = keys[dice.Below(int(std::size(keys)))];
      const int held = 40 + dice.Below(400);
      play.Push({true, key});
      play.Run(held);
      play.Push({false, key});
      const int gap = 20 + dice.Below(600);
      play.Run(gap);
      t += held + gap;
      // A lost game goes to the continue prompt or the title: start again.
      if (play.g.GameState != kStatePlay) play.Tap(kKeySpace);
    }
    EXPECT_EQ(play.redraws.mismatches, 0);
    EXPECT_EQ(play.screen.mismatches, 0) << "of " << play.screen.compared << " screens";
    EXPECT_EQ(play.wake.early, 0) << "changes before the step said to be next";
    repaintsChecked += play.g.stageWindow.sprites.known ? 1 : 0;
  }
  EXPECT_EQ(repaintsChecked, 18) << "every stage was repainted";
}

// The screens around play: the title's menu, options, the last stage won with its house shot, the
// results and the closing roll, composed part by part and whole after every pass.
TEST(ScreenParts, EveryScreenComposedInPartsMatchesTheWhole) {
  RandomPlay play(17, false);
  Game& g = play.g;
  std::set<int32_t> seen;
  auto run = [&](int ms) {
    for (int i = 0; i < ms; ++i) {
      play.Run(1);
      seen.insert(g.GameState);
    }
  };
  seen.insert(g.GameState);  // the title's menu, shown once the program has started
  // A key, then time for its screen to answer and draw.
  auto key = [&](int code) {
    play.Tap(code);
    run(300);
  };
  run(1500);
  key(kKeyDown);   // OPTION
  key(kKeySpace);
  key(kKeySpace);  // GAME LV
  key(kKeyDown);
  key(kKeySpace);  // TIME LIMIT
  key(kKeyDown);
  key(kKeyRight);  // STAGESERECT
  key(kKeyLeft);
  key(kKeyDown);   // EXIT
  key(kKeySpace);  // back on the menu, on GAME START
  key(kKeySpace);
  run(6000);       // the curtain opens on the last stage
  ASSERT_EQ(g.GameState, kStatePlay);
  // The stone reaches the goal, as the tile pass ends a won stage; the words, the house shot,
  // the results and the closing roll follow by themselves.
  g.Stage += 1;
  g.StagePhaseFlag = kTrue;
  g.StageEndReason = kEndGoal;
  g.FlowStep = -76;
  g.WordsRunning = kTrue;
  g.WordCounter = 0;
  play.wake.Forget();
  run(90000);
  for (int32_t state : {kStateMenu, kStateOptions, kStatePlay, kStateHouseShot,
                        kStateResults, kStateClosingRoll}) {
    EXPECT_TRUE(seen.contains(state)) << "never reached game state " << state;
  }
  EXPECT_EQ(play.screen.mismatches, 0) << "of " << play.screen.compared << " screens";
  EXPECT_EQ(play.wake.early, 0) << "changes before the step said to be next";
  EXPECT_GT(play.wake.longSleeps, 1000) << "the menus let the window sleep a tick at a time";
  // The words over the field and the house shot over its sheet, redrawn in full beside.
  EXPECT_EQ(play.redraws.mismatches, 0);
}

}  // namespace
}  // namespace slidestone
