// A run nobody watches steps the model with nothing drawn. It must end every shipped proof and the
// full game in exactly the model the drawn run ends in, and pass through the same models on the
// way: nothing the rules decide may depend on what was drawn.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "real_sheets.h"
#include "services/settings.h"
#include "shell/app.h"
#include "shell/script.h"

namespace slidestone {
namespace {

constexpr int64_t kEvery = 997;  // passes between two models kept for the comparison

// The models a run of the script passed through, every kEvery passes, and the last one. A run
// nobody watches must not change the screen once started: no window shown, no strip moved, no
// text set, by play or by the screens around it.
std::vector<Model> Replay(const std::string& script, bool watched) {
  auto game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  g.audio = &audio;
  g.settings = &settings;
  g.stageDir = SLIDESTONE_DATA_DIR "/stage";
  if (watched) testing::LoadGameSheets(g);
  App app(g, false);
  std::vector<Model> seen;
  uint64_t startedAs = 0;
  int64_t screenChangedAt = -1;
  app.afterPass = [&] {
    if (g.Now == 1) startedAs = ScreenVersion(g.forms);
    if (screenChangedAt < 0 && ScreenVersion(g.forms) != startedAs) screenChangedAt = g.Now;
    if (g.Now % kEvery == 0) seen.push_back(TakeSnapshot(g));
  };
  std::FILE* quiet = std::fopen("/dev/null", "w");
  ScriptHost host{app, g, &audio, nullptr, quiet};
  host.err = quiet;
  host.headless = !watched;  // headless and no shot: nobody watches
  EXPECT_EQ(RunScript(script, host), 0) << script;
  std::fclose(quiet);
  EXPECT_EQ(g.view == &g.stageScreen && g.front == &g.frontScreen, true)
      << "the run gives the screens back";
  if (!watched) {
    EXPECT_EQ(screenChangedAt, -1) << "the screen changed after pass " << screenChangedAt;
  }
  seen.push_back(TakeSnapshot(g));
  return seen;
}

TEST(ModelOnly, EveryProofAndTheFullGameGoThroughTheSameModelsDrawnOrNot) {
  const std::filesystem::path proofs = SLIDESTONE_SOURCE_DIR "/data/stage/proofs";
  int scripts = 0;
  for (const auto& entry : std::filesystem::directory_iterator(proofs)) {
    if (entry.path().extension() != ".script") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const std::vector<Model> drawn = Replay(entry.path(), true);
    const std::vector<Model> unwatched = Replay(entry.path(), false);
    ASSERT_EQ(drawn.size(), unwatched.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
      ASSERT_TRUE(drawn[i] == unwatched[i]) << "the models part at pass " << drawn[i].Now;
    }
    ++scripts;
  }
  EXPECT_GE(scripts, 37) << "every stage's two proofs and the full game";
}

}  // namespace
}  // namespace slidestone
