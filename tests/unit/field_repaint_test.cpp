// The field's quick repaint (restoring only what the last repaint drew over the clean field)
// against the full one, over long stretches of random play on every shipped stage, with the
// real pictures: every repaint is done both ways and must give the same picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "graphics/sheets.h"
#include "platform/sdl_image_io.h"
#include "shell/app.h"
#include "shell/settings.h"
#include "stagedata/game.h"

namespace slidestone {
namespace {

// A small fixed-seed generator: the same keys on every run.
struct Dice {
  uint64_t state;
  uint32_t Next() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(state >> 33);
  }
  int Below(int n) { return int(Next() % uint32_t(n)); }
};

struct RandomPlay {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  App app{g, false};

  explicit RandomPlay(int stage) {
    g.audio = &audio;
    g.settings = &settings;
    g.stageDir = SLIDESTONE_DATA_DIR "/stage";
    CreateForms(g.forms);
    SdlImageIO io;
    std::string error;
    if (!LoadSheets(g.forms, SLIDESTONE_DATA_DIR "/pictures", io, error)) ADD_FAILURE() << error;
    g.Form1.checkRepaint = true;
    Run(1);
    g.StartStage = stage;
    Tap(kKeySpace);  // title -> main menu
    Tap(kKeySpace);  // GAME START
  }
  void Run(int ms) {
    for (int i = 0; i < ms && !app.Ended(); ++i) app.Pass();
  }
  void Tap(int key) {
    app.input().Push({true, key});
    Run(1);
    app.input().Push({false, key});
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
    for (int t = 0; t < 90000 && !play.app.Ended(); ) {
      const int key = keys[dice.Below(int(std::size(keys)))];
      const int held = 40 + dice.Below(400);
      play.app.input().Push({true, key});
      play.Run(held);
      play.app.input().Push({false, key});
      const int gap = 20 + dice.Below(600);
      play.Run(gap);
      t += held + gap;
      // A lost game goes to the continue prompt or the title: start again.
      if (play.g.GameState != kStatePlay) play.Tap(kKeySpace);
    }
    EXPECT_EQ(play.g.Form1.repaintMismatches, 0);
    repaintsChecked += play.g.Form1.spritesKnown ? 1 : 0;
  }
  EXPECT_EQ(repaintsChecked, 18) << "every stage was repainted";
}

}  // namespace
}  // namespace slidestone
