// The game-state loop, StageStep dispatch and the step-timer rule.
#include <gtest/gtest.h>

#include <string>

#include "shell/game_loop.h"
#include "shell/input.h"
#include "stagedata/game.h"

namespace slidestone {
namespace {

std::string g_calls;

StateHandlers Recording() {
  StateHandlers h{};
  h[0] = [](Game& g) { g_calls += "T"; g.GameState = 1; };
  h[1] = [](Game&) { g_calls += "M"; };
  h[3] = [](Game&) { g_calls += "P"; };
  h[4] = [](Game& g) { g_calls += "O"; g.QuitRequested = kTrue; };
  return h;
}

TEST(GameLoop, FirstPassRunsTitleThenMenu) {
  Game g;
  Input in;
  g_calls.clear();
  const auto h = Recording();
  EXPECT_TRUE(GameLoopPass(g, in, h));
  EXPECT_TRUE(GameLoopPass(g, in, h));
  EXPECT_EQ(g_calls, "TM");
}

TEST(GameLoop, StatesWithoutHandlerIdleUntilEscape) {
  for (int32_t state : {5, 10, -1}) {
    Game g;
    Input in;
    g_calls.clear();
    g.GameState = state;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(GameLoopPass(g, in, Recording()));
    EXPECT_EQ(g_calls, "") << state;
    in.Push({true, kKeyEscape});
    EXPECT_TRUE(GameLoopPass(g, in, Recording()));  // delivered at the end of this pass
    EXPECT_EQ(g.KeyState[kKeyEscape], kTrue);
    EXPECT_FALSE(GameLoopPass(g, in, Recording()));
  }
}

TEST(GameLoop, QuitRequestedEndsBeforeAnotherHandlerCall) {
  Game g;
  Input in;
  g_calls.clear();
  g.GameState = 4;
  EXPECT_TRUE(GameLoopPass(g, in, Recording()));
  EXPECT_FALSE(GameLoopPass(g, in, Recording()));
  EXPECT_EQ(g_calls, "O");
}

TEST(GameLoop, KeyEventsOfOnePassArriveInOrderAndTheLastStateWins) {
  Game g;
  Input in;
  in.Push({true, kKeySpace});
  in.Push({false, kKeySpace});
  in.Push({true, 300});  // outside the table: ignored
  g.GameState = 5;
  GameLoopPass(g, in, Recording());
  EXPECT_EQ(g.KeyState[kKeySpace], 0);
}

TEST(StepTimer, FiresOnlyWhenStrictlyMoreThanTheIntervalHasPassed) {
  Game g;
  int64_t last = 0;
  g.Now = 100;
  EXPECT_FALSE(StepDue(g, last, 100));
  g.Now = 101;
  EXPECT_TRUE(StepDue(g, last, 100));
  EXPECT_EQ(last, 101);
  g.Now = 201;
  EXPECT_FALSE(StepDue(g, last, 100));
  g.Now = 5000;  // after a long gap it fires once, not once per missed interval
  EXPECT_TRUE(StepDue(g, last, 100));
  EXPECT_FALSE(StepDue(g, last, 100));
}

}  // namespace
}  // namespace slidestone
