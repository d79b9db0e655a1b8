// Sheets for the stage-screen tests whose every pixel says where it came from: pixel (x, y) of
// a sheet is Rgb(x & 255, y & 255, 1 + x / 256 + 4 * (y / 256) + 16 * tag), never black, so a
// drawn rectangle can be traced back to its exact source corner. The mask cells the game uses
// are pure black (a masked pair then shows its sprite exactly) and so are the black sources of
// the head-up display (clock strip) and the shading strip of the backdrop.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "graphics/surface.h"
#include "presentation/presentation.h"
#include "play/play.h"
#include "presentation/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone::testing {

inline Pixel Traced(int x, int y, int tag) {
  return Rgb(x & 255, y & 255, 1 + x / 256 + 4 * (y / 256) + 16 * tag);
}

inline void PaintTraced(Surface& s, int tag) {
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) s.Row(y)[x] = Traced(x, y, tag);
}

inline void Blacken(Surface& s, int x, int y, int w, int h) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) s.Row(j)[i] = 0;
}

// Every sheet of every window at the size the game loads it with, from the picture list.
inline void SizeSheets(Forms& forms) {
#define SHEET(name, width, height, surface, drawing) forms.surface.Resize(width, height);
#define PICTURE(name, width, height, drawing)
#include "graphics/picture_list.h"
#undef SHEET
#undef PICTURE
}

// Every sheet of the stage window traced, with its masks and black sources blackened.
inline void PaintStageSheets(StageWindow& f) {
  PaintTraced(f.panelSheet, 1);
  PaintTraced(f.fieldSheet, 2);
  PaintTraced(f.overlaySheet, 3);
  PaintTraced(f.mainchar, 4);
  PaintTraced(f.jumpd, 5);
  PaintTraced(f.commandbox, 6);
  PaintTraced(f.commandboxx, 7);
  PaintTraced(f.time, 8);
  PaintTraced(f.stageback[0], 9);
  PaintTraced(f.stageback[1], 10);
  // char3 masks: stone row, flags (+128), buckets (+96) and the ball, the enemies' mask rows.
  Blacken(f.fieldSheet, 0, 32, 256, 32);
  Blacken(f.fieldSheet, 128, 128, 128, 32);
  Blacken(f.fieldSheet, 96, 160, 96, 32);
  Blacken(f.fieldSheet, 192, 176, 16, 16);
  for (int row : {7, 9, 11, 13, 15, 17}) Blacken(f.fieldSheet, 0, 32 * row, 256, 32);
  Blacken(f.overlaySheet, 192, 40, 32, 8);               // sparkle masks
  Blacken(f.mainchar, 128, 0, 128, f.mainchar.Height());
  Blacken(f.jumpd, 160, 0, 160, 32);
  Blacken(f.time, 0, 0, 256, 32);                 // the clock strip, also the black source
  Blacken(f.time, 0, 160, 176, 32);               // small digit masks
  Blacken(f.time, 176, 128, 16, 48);              // slash mask
  Blacken(f.time, 192, 160, 16, 32);              // red zero mask
  for (Surface& s : f.stageback) Blacken(s, 608, 0, s.Width() - 608, s.Height());
}

// True when the w x h rectangle of dst at (dx, dy) holds exactly src's rectangle at (sx, sy).
inline ::testing::AssertionResult SameRect(const Surface& dst, int dx, int dy, int w, int h,
                                           const Surface& src, int sx, int sy) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const Pixel got = dst.At(dx + i, dy + j), want = src.At(sx + i, sy + j);
      if (got != want) {
        return ::testing::AssertionFailure()
               << "at (" << dx + i << ", " << dy + j << ") found " << std::hex << got
               << " where source (" << std::dec << sx + i << ", " << sy + j << ") has "
               << std::hex << want;
      }
    }
  return ::testing::AssertionSuccess();
}

// A game with forms, traced sheets and a recording sound layer; the clock well past zero.
struct StageScreen {
  Game g;
  explicit StageScreen() {
    CreateForms(g.forms);
    SizeSheets(g.forms);
    PaintStageSheets(g.stageWindow);
    g.Now = 100000;
  }
};

// The small stage folder the stage-screen tests load (stage table, messages and maps).
inline const std::string kStageScreenFolder = SLIDESTONE_SOURCE_DIR "/tests/fixtures/stage_screen";

// A stage screen on that folder with a recording sound layer, for the tests of loading stages.
class StageFolderTest : public ::testing::Test {
 protected:
  StageScreen screen;
  Game& g = screen.g;
  RecordingAudio audio;

  void SetUp() override {
    g.audio = &audio;
    g.stageDir = kStageScreenFolder;
  }
  // A new game at stage index `stage`, as GAME START would do it.
  void StartAt(int stage) {
    g.StartStage = stage;
    NewGame(g, OpenStageHud);
  }
};

}  // namespace slidestone::testing
