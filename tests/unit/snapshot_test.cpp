// Snapshots of the model: a run restored from a copy taken in the middle of a stage ends in the
// identical model as the run that went on uninterrupted, over random play on every stage.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "dice.h"
#include "services/settings.h"
#include "shell/app.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

using testing::Dice;

// A key going down or up after some passes.
struct Move {
  int wait;
  KeyEvent key;
};

struct GameRun {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  App app{g, false};

  explicit GameRun(int stage) {
    g.audio = &audio;
    g.settings = &settings;
    g.stageDir = SLIDESTONE_DATA_DIR "/stage";
    Passes(1);
    g.StartStage = stage;
    Play({{1, {true, kKeySpace}}, {1, {false, kKeySpace}}, {1, {true, kKeySpace}},
          {1, {false, kKeySpace}}});  // title -> menu -> GAME START
  }
  void Passes(int n) {
    for (int i = 0; i < n && !app.Ended(); ++i) app.Pass();
  }
  void Play(const std::vector<Move>& moves) {
    for (const Move& m : moves) {
      Passes(m.wait);
      app.input().Push(m.key);
    }
    Passes(1);
  }
};

// Walking, jumping, dropping, the tool menu and its tools, giving up, continuing after a loss.
std::vector<Move> RandomMoves(Dice& dice, int count) {
  const int keys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeySpace, kKeySpace, kKeyZ};
  std::vector<Move> moves;
  for (int i = 0; i < count; ++i) {
    const int key = keys[dice.Below(int(std::size(keys)))];
    moves.push_back({20 + dice.Below(600), {true, key}});
    moves.push_back({40 + dice.Below(400), {false, key}});
  }
  return moves;
}

TEST(Snapshot, RestoredRunEndsAsTheUninterruptedOneOnEveryStage) {
  Dice dice{20261211};
  for (int stage = 0; stage < kStageCount; ++stage) {
    SCOPED_TRACE("stage " + std::to_string(stage + 1));
    GameRun run(stage);
    run.Passes(4000);  // the curtain has opened
    ASSERT_EQ(run.g.GameState, kStatePlay);
    run.Play(RandomMoves(dice, 8 + dice.Below(20)));
    const Model snapshot = TakeSnapshot(run.g);
    const std::vector<Move> rest = RandomMoves(dice, 30);
    run.Play(rest);
    const Model uninterrupted = TakeSnapshot(run.g);
    EXPECT_NE(uninterrupted.Now, snapshot.Now);

    // Restored into a fresh game that never played this stage: nothing outside the model
    // carries the run.
    GameRun fresh(stage == 0 ? 1 : 0);
    fresh.Passes(4000);
    RestoreSnapshot(fresh.g, snapshot);
    EXPECT_TRUE(TakeSnapshot(fresh.g) == snapshot);
    fresh.Play(rest);
    EXPECT_TRUE(TakeSnapshot(fresh.g) == uninterrupted);
  }
}

}  // namespace
}  // namespace slidestone
