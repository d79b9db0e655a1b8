// The game-state loop, StageStep dispatch and the step-timer rule.
#include <gtest/gtest.h>

#include <string>

#include "shell/game_loop.h"
#include "shell/input.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

std::string g_calls;

StateHandlers Recording() {
  StateHandlers h{};
  h[kStateTitle] = [](Game& g) { g_calls += "T"; g.GameState = kStateMenu; };
  h[kStateMenu] = [](Game&) { g_calls += "M"; };
  h[kStatePlay] = [](Game&) { g_calls += "P"; };
  h[kStateOptions] = [](Game& g) { g_calls += "O"; g.QuitRequested = kTrue; };
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
  g.GameState = kStateOptions;
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
  g.GameState = 5;  // no handler
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

namespace slidestone {
namespace {

// What the window's loop does with events that came in while it slept: each joins the pass of
// its own millisecond.
struct ArrivalRun {
  Game g;
  Input input;
  ArrivalQueue arrivals;
  std::string trace;  // "t:code+" for a press seen, "t:code-" for a release

  void Passes(int64_t until) {
    for (; g.Now < until; ++g.Now) {
      const auto before = g.KeyState;
      arrivals.DeliverUpTo(uint64_t(g.Now), input);
      input.Deliver(g);
      for (int k = 0; k < kKeyCount; ++k) {
        if (before[k] != g.KeyState[k]) {
          trace += std::to_string(g.Now) + ":" + std::to_string(k) + (g.KeyState[k] ? "+ " : "- ");
        }
      }
    }
  }
};

TEST(ArrivalQueue, EventsJoinThePassOfTheirMillisecond) {
  ArrivalRun r;
  r.arrivals.Add(3, {true, kKeyLeft});
  r.arrivals.Add(7, {false, kKeyLeft});
  r.arrivals.Add(7, {true, kKeyUp});
  r.Passes(10);
  EXPECT_EQ(r.trace, "3:37+ 7:37- 7:38+ ");
  EXPECT_EQ(r.arrivals.Waiting(), 0u);
}

TEST(ArrivalQueue, AReleaseInThePressesOwnMillisecondWaitsOnePass) {
  ArrivalRun r;
  r.arrivals.Add(4, {true, kKeySpace});
  r.arrivals.Add(4, {false, kKeySpace});
  r.arrivals.Add(4, {true, kKeyDown});  // after the deferred release: keeps its order
  r.Passes(8);
  EXPECT_EQ(r.trace, "4:32+ 5:32- 5:40+ ");
}

TEST(ArrivalQueue, LateEventsGoToTheNextPass) {
  ArrivalRun r;
  r.g.Now = 50;
  r.arrivals.Add(20, {true, kKeyZ});  // stamped while the loop slept
  r.Passes(51);
  EXPECT_EQ(r.trace, "50:90+ ");
}

}  // namespace
}  // namespace slidestone
