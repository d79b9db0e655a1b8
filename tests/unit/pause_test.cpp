// Pause: Enter in play pauses (tile pass), Enter while paused resumes, each press acts once, and
// nothing of stage play runs in between.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "presentation/presentation.h"
#include "shell/game_loop.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

struct PausedGame {
  Game g;
  RecordingAudio audio;
  PausedGame() {
    g.audio = &audio;
    CreateForms(g.forms);
    g.Paused = kTrue;
    g.StagePhaseFlag = kFalse;
    g.Now = 5000;
  }
};

TEST(Pause, EnterResumesWithTheSoundAndIsConsumed) {
  PausedGame p;
  Game& g = p.g;
  StagePass(g);
  EXPECT_EQ(g.Paused, kTrue);
  EXPECT_TRUE(p.audio.TakeCalls().empty());
  g.KeyState[kKeyEnter] = kTrue;
  PauseStep(g, g, *g.audio);
  EXPECT_EQ(g.Paused, kFalse);
  EXPECT_EQ(g.KeyState[kKeyEnter], 0);
  EXPECT_EQ(p.audio.TakeCalls(), std::vector<std::string>{"effect sound/Akouka01.wav 3"});
  // The resuming press is not seen again by the tile pass of the next pass.
  TilePass(g);
  EXPECT_EQ(g.Paused, kFalse);
}

TEST(Pause, WhilePausedNoStepOfPlayOrFlowRuns) {
  for (Flag phase : {kFalse, kTrue}) {
    PausedGame p;
    Game& g = p.g;
    g.StagePhaseFlag = phase;
    g.WordsRunning = kTrue;
    g.WordCounter = 5;
    g.KeyState[kKeyZ] = kTrue;
    const int64_t tileClock = g.tileClock, flowClock = g.flowClock;
    for (int i = 0; i < 500; ++i) {
      ++g.Now;
      StagePass(g);
    }
    EXPECT_EQ(g.tileClock, tileClock);
    EXPECT_EQ(g.flowClock, flowClock);
    EXPECT_EQ(g.WordCounter, 5);
    EXPECT_EQ(g.PlayerHit, kFalse) << "Z does not give up while paused";
    EXPECT_EQ(g.Paused, kTrue);
  }
}

}  // namespace
}  // namespace slidestone
