// Leaving the window: held keys are let go, and a stage in play pauses as Enter pauses it.
#include <gtest/gtest.h>

#include "shell/focus.h"

namespace slidestone {
namespace {

std::vector<std::pair<bool, int>> Plain(const std::vector<KeyEvent>& events) {
  std::vector<std::pair<bool, int>> out;
  for (const KeyEvent& e : events) out.emplace_back(e.down, e.code);
  return out;
}

TEST(FocusLoss, HeldKeysAreReleasedAndOnlyAStageInPlayIsPaused) {
  using Ev = std::vector<std::pair<bool, int>>;
  const Ev releases = {{false, kKeySpace}, {false, kKeyRight}};
  const Ev pause = {{true, kKeyEnter}, {false, kKeyEnter}};
  Ev releasesThenPause = releases;
  releasesThenPause.insert(releasesThenPause.end(), pause.begin(), pause.end());
  struct Case {
    const char* name;
    int32_t state;
    Flag paused, ending;
    Ev want;
  } cases[] = {
      {"stage in play", kStatePlay, kFalse, kFalse, releasesThenPause},
      {"already paused: Enter would resume it", kStatePlay, kTrue, kFalse, releases},
      {"stage ending: Enter would answer its prompt", kStatePlay, kFalse, kTrue, releases},
      {"main menu: Enter would choose", kStateMenu, kFalse, kFalse, releases},
      {"options", kStateOptions, kFalse, kFalse, releases},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Game g;
    g.GameState = c.state;
    g.Paused = c.paused;
    g.StagePhaseFlag = c.ending;
    std::array<bool, kKeyCount> held{};
    held[kKeySpace] = held[kKeyRight] = true;
    EXPECT_EQ(Plain(FocusLostEvents(g, held)), c.want);
  }
}

}  // namespace
}  // namespace slidestone
