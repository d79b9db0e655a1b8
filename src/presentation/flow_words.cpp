// The words of the stage-flow sequence drawn over the clean field: the end words of a stage
// (WordCounter 0 to 99) and the START banner (100 or 101 to 199).
#include <vector>

#include "graphics/overdraw.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

constexpr int kBannerY = (kFieldH - 50) / 2;

void WordOnField(Game& g, int x, int y, int sy) {
  KeyedCopy(g.stageWindow.field, x, y, 256, 64, g.stageWindow.time, 0, sy);
}

// The word falls from the top edge to the middle in 30 ticks and stays.
void FallingWord(Game& g, int sy) {
  const int y = g.WordCounter <= 30 ? 5 * g.WordCounter : 150;
  WordOnField(g, 176, y, sy);
}

void EndWords(Game& g) {
  switch (g.StageEndReason) {
    case kEndTimeUp: DrawTimeUpWords(g); break;
    case kEndStoneStopped: DrawStoneStopWords(g); break;
    case kEndGoal: DrawClearWords(g); break;
    default: break;
  }
}

// Blurred, the banner slides in from the left 14 pixels a tick, stands sharp in the middle,
// then slides out to the right, shrunk to 200 x 50.
void StartBanner(Game& g) {
  const int r = g.WordCounter % 100;
  int p = r - 30;
  int sy = 640;  // blurred
  if (p > 13 && p < 43) {
    p = 13;
    sy = 576;  // sharp
  } else if (p >= 43) {
    p -= 30;
  }
  KeyedCopy(g.stageWindow.field, 14 * p, kBannerY, 200, 50, g.stageWindow.time, 0, sy, 256, 64);
}

// This tick's words over the clean field, noted as what was drawn over it. Drawing only (the
// check mode draws them twice).
void DrawWords(Game& g) {
  StageWindow& f = g.stageWindow;
  BeginOverdraw(f.sprites, f.field);
  if (g.WordCounter < 100)
    EndWords(g);
  else
    StartBanner(g);
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

void CleanField(StageWindow& f) {
  RestoreBackground(f.sprites, f.field, f.cleanField, {0, 0, kFieldW, kFieldH});
}

}  // namespace

void DrawFlowWords(Game& g) {
  StageWindow& f = g.stageWindow;
  CleanField(f);
  DrawWords(g);
  if (RedrawCheck* check = g.forms.redrawCheck) {
    check->After(f.field, f.cleanField, {0, 0, kFieldW, kFieldH}, [&] { DrawWords(g); });
  }
}

void ClearFlowWords(Game& g) {
  StageWindow& f = g.stageWindow;
  CleanField(f);
  BeginOverdraw(f.sprites, f.field);
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

void DrawTimeUpWords(Game& g) { FallingWord(g, 384); }

void DrawStoneStopWords(Game& g) { FallingWord(g, 704); }

// The player cheers where it stood: columns 0, 1, 2, 3 of row 8 in a 16-tick rhythm.
void DrawClearWords(Game& g) {
  const int m = g.WordCounter % 16;
  const int b = (m + 1) / 2;
  int c = 0;
  if (b == 4) c = 1;
  if (b == 5 || b == 6) c = 2;
  if (b == 7) c = 3;
  MaskedFrame(g.stageWindow.field, g.PlayerX, g.PlayerY, g.stageWindow.mainchar, kPlayerPoses.Row(8), c);
  WordOnField(g, 176, 144, g.WordCounter <= 70 ? 448 : 512);
}

}  // namespace slidestone
