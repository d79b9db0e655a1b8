// A flag is set when it is not 0. The game itself stores only -1 and 0, but a script can set a
// flag to any number, and then every step has to agree on what the flag says.
#include <gtest/gtest.h>

#include <array>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "presentation/menu_words.h"
#include "presentation/presentation.h"
#include "shell/focus.h"
#include "shell/game_loop.h"
#include "stage_test_sheets.h"

namespace slidestone {
namespace {

TEST(Flags, ANumberAScriptSetsReadsTheSameInEveryStep) {
  // What `set NAME VALUE` can leave in a 16-bit flag: the game's own two, and others.
  const Flag values[] = {kTrue, kFalse, 1, 2, -2, 32767, -32768};
  for (const Flag v : values) {
    SCOPED_TRACE(::testing::Message() << "flag value " << v);
    const bool set = v != 0;

    // StagePhaseFlag: the stage step runs the stage flow instead of play (the stage clock does
    // not count), and leaving the window does not pause a stage that is ending.
    {
      testing::StageScreen screen;
      Game& g = screen.g;
      RecordingAudio audio;
      g.audio = &audio;
      g.GameState = kStatePlay;
      g.StagePhaseFlag = v;
      g.TimeLimitOn = kTrue;
      g.StageTime = 1000;
      g.flowClock = g.Now;  // the flow itself waits: only which of the two ran is seen
      const std::array<bool, kKeyCount> held{};
      EXPECT_EQ(FocusLostEvents(g, held).empty(), set) << "leaving the window";
      StagePass(g);
      EXPECT_EQ(g.StageTime == 1000, set) << "the stage step";
    }

    // TimeLimitOn: the options screen shows ON exactly when the stage clock counts down.
    {
      testing::StageScreen screen;
      Game& g = screen.g;
      RecordingAudio audio;
      g.audio = &audio;
      Surface& words = g.menuWindow.messagebox;
      words.Resize(512, 768);
      for (int y = 0; y < words.Height(); ++y)
        for (int x = 0; x < words.Width(); ++x) words.Row(y)[x] = Pixel(1 + x / 32);
      g.TimeLimitOn = v;
      g.CursorRow = 0;  // ON and OFF dim
      OptionsScreen(g);
      const bool showsOn = g.menuWindow.startbox1.At(321, 241) == Pixel(1);
      g.StagePhaseFlag = kFalse;
      g.StageTime = 1000;
      StageTimerStep(g);
      EXPECT_EQ(showsOn, set) << "the options screen";
      EXPECT_EQ(g.StageTime < 1000, set) << "the stage clock";
    }
  }
}

}  // namespace
}  // namespace slidestone
