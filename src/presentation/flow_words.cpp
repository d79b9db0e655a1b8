// The words of the stage-flow sequence drawn over the clean field: the end words of a stage
// (WordCounter 0 to 99) and the START banner (100 or 101 to 199).
#include <vector>

#include "graphics/overdraw.h"
#include "presentation/presentation.h"
#include "presentation/game.h"

namespace slidestone {

namespace {

constexpr int kBannerY = (kFieldH - 50) / 2;

void WordOnField(StageWindow& f, int x, int y, const SheetRun& word, int n = 0) {
  KeyedFrame(f.field, x, y, f.time, word, n);
}

// The word falls from the top edge to the middle in 30 ticks and stays.
void FallingWord(StageWindow& f, const Model& m, const SheetRun& word) {
  const int y = m.WordCounter <= 30 ? 5 * m.WordCounter : 150;
  WordOnField(f, 176, y, word);
}

void EndWords(StageWindow& f, const Model& m) {
  switch (m.StageEndReason) {
    case kEndTimeUp: DrawTimeUpWords(f, m); break;
    case kEndStoneStopped: DrawStoneStopWords(f, m); break;
    case kEndGoal: DrawClearWords(f, m); break;
    default: break;
  }
}

// Blurred, the banner slides in from the left 14 pixels a tick, stands sharp in the middle,
// then slides out to the right, shrunk to 200 x 50.
void StartBanner(StageWindow& f, const Model& m) {
  const int r = m.WordCounter % 100;
  int p = r - 30;
  constexpr int kSharp = 0, kBlurred = 1;
  int look = kBlurred;
  if (p > 13 && p < 43) {
    p = 13;
    look = kSharp;
  } else if (p >= 43) {
    p -= 30;
  }
  const SheetRun& start = time_sheet::kStartWords;
  KeyedCopy(f.field, 14 * p, kBannerY, 200, 50, f.time, start.X(look), start.Y(look), start.w, start.h);
}

// This tick's words over the clean field, noted as what was drawn over it. Drawing only (the
// check mode draws them twice).
void DrawWords(StageWindow& f, const Model& m) {
  BeginOverdraw(f.sprites, f.field);
  if (m.WordCounter < 100)
    EndWords(f, m);
  else
    StartBanner(f, m);
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

void CleanField(StageWindow& f) {
  RestoreBackground(f.sprites, f.field, f.cleanField, {0, 0, kFieldW, kFieldH});
}

}  // namespace

void DrawFlowWords(StageWindow& f, const Model& m, RedrawCheck* check) {
  CleanField(f);
  DrawWords(f, m);
  if (check) {
    check->After(f.field, f.cleanField, {0, 0, kFieldW, kFieldH}, [&] { DrawWords(f, m); });
  }
}

void ClearFlowWords(StageWindow& f) {
  CleanField(f);
  BeginOverdraw(f.sprites, f.field);
  EndOverdraw(f.sprites, f.field, f.cleanField);
}

void DrawTimeUpWords(StageWindow& f, const Model& m) { FallingWord(f, m, time_sheet::kTimeUpWord); }

void DrawStoneStopWords(StageWindow& f, const Model& m) { FallingWord(f, m, time_sheet::kStoneStopWords); }

// The player cheers where it stood: columns 0, 1, 2, 3 of row 8 in a 16-tick rhythm.
void DrawClearWords(StageWindow& f, const Model& m) {
  const int beat = m.WordCounter % 16;
  const int b = (beat + 1) / 2;
  int c = 0;
  if (b == 4) c = 1;
  if (b == 5 || b == 6) c = 2;
  if (b == 7) c = 3;
  MaskedFrame(f.field, m.PlayerX, m.PlayerY, f.mainchar, kPlayerPoses.Row(8), c);
  WordOnField(f, 176, 144, time_sheet::kClearWords, m.WordCounter <= 70 ? 0 : 1);  // then leaning
}

}  // namespace slidestone
