// The ranges of the script variables: whatever a shared replay may `set`, the game plays on.
// Every variable (tables at the first and last index) is set to either end of its range in the
// middle of a stage, and a few hundred passes of play follow; one past either end is refused.
// Under ./test --sanitize this reports any read outside a table and any overflow the values
// lead to.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "graphics/sheets.h"
#include "platform/sdl_image_io.h"
#include "services/settings.h"
#include "shell/app.h"
#include "shell/game_loop.h"
#include "shell/input.h"
#include "shell/variables.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

constexpr int kPasses = 300;

// "Enemies[0..10].x" gives "Enemies[0].x" and "Enemies[10].x"; "Map[0..19,0..12]" its corners.
std::vector<std::string> Ends(const std::string& listed) {
  const size_t open = listed.find('[');
  if (open == std::string::npos) return {listed};
  const size_t close = listed.find(']');
  const std::string table = listed.substr(0, open), field = listed.substr(close + 1);
  int lo1 = 0, hi1 = 0, lo2 = 0, hi2 = 0;
  const std::string range = listed.substr(open + 1, close - open - 1);
  std::vector<std::string> names;
  if (std::sscanf(range.c_str(), "%d..%d,%d..%d", &lo1, &hi1, &lo2, &hi2) == 4) {
    for (int a : {lo1, hi1}) {
      for (int b : {lo2, hi2}) names.push_back(table + "[" + std::to_string(a) + "," + std::to_string(b) + "]" + field);
    }
  } else if (std::sscanf(range.c_str(), "%d..%d", &lo1, &hi1) == 2) {
    for (int a : {lo1, hi1}) names.push_back(table + "[" + std::to_string(a) + "]" + field);
  }
  return names;
}

TEST(VariableRanges, EveryVariableAtEitherEndOfItsRangePlaysOnAndOnePastIsRefused) {
  auto game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  g.audio = &audio;
  g.settings = &settings;
  g.stageDir = SLIDESTONE_DATA_DIR "/stage";
  // With the sheets, so that every picture the values choose is drawn.
  CreateForms(g.forms);
  SdlImageIO images;
  std::string error;
  ASSERT_TRUE(LoadSheets(g.forms, SLIDESTONE_DATA_DIR "/pictures", images, error)) << error;
  // The last stage, with enemies, speed tiles and every tool, in play after its curtain.
  App app(g, false);
  app.Pass();
  g.StartStage = kLastStageIndex;
  for (const KeyEvent key : {KeyEvent{true, kKeySpace}, KeyEvent{false, kKeySpace}, KeyEvent{true, kKeySpace},
                             KeyEvent{false, kKeySpace}}) {
    app.input().Push(key);
    app.Pass();
  }
  for (int i = 0; i < 4000; ++i) app.Pass();
  ASSERT_EQ(g.GameState, kStatePlay);
  ASSERT_GT(g.EnemyCount, 0);
  const Model start = TakeSnapshot(g);

  // Each case holds one of the game's keys, so the player walks, jumps, drops and uses tools.
  const int keys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeySpace, kKeyZ, kKeyEnter};
  size_t cases = 0;
  for (const std::string& listed : ListVariables()) {
    for (const std::string& name : Ends(listed)) {
      const auto range = VariableRange(g, name);
      ASSERT_TRUE(range) << name;
      for (const int64_t value : {range->lo, range->hi}) {
        SCOPED_TRACE(name + " = " + std::to_string(value));
        RestoreSnapshot(g, start);
        ASSERT_TRUE(WriteVariable(g, name, value));
        Input input;
        input.Push({true, keys[cases++ % std::size(keys)]});
        for (int i = 0; i < kPasses && GameLoopPass(g, input); ++i) ++g.Now;
      }
      RestoreSnapshot(g, start);
      if (range->lo > std::numeric_limits<int64_t>::min()) {
        EXPECT_FALSE(WriteVariable(g, name, range->lo - 1)) << name;
      }
      if (range->hi < std::numeric_limits<int64_t>::max()) {
        EXPECT_FALSE(WriteVariable(g, name, range->hi + 1)) << name;
      }
    }
  }
}

}  // namespace
}  // namespace slidestone
