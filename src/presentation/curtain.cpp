// The curtain between moments of play: dark strips closing over the field from both edges, the
// field uncovered again from the middle, and the continue prompt over the dark field.
#include "presentation/game.h"
#include "presentation/presentation.h"

namespace slidestone {

namespace {

constexpr int kCurtainAlpha = 120;

// Darkens a full-height strip of the field with the black edge of the backdrop sheet.
void ShadeStrip(StageWindow& f, const Model& m, int x, int w) {
  Shade(f.field, x, 0, w, kFieldH, f.stageback[m.BackdropIndex], 608, 0, w, kFieldH, kCurtainAlpha);
}

void UncoverStrip(StageWindow& f, int x) {
  Copy(f.field, x, 0, 4, kFieldH, f.cleanField, x, 0);
}

void DrawWord(StageWindow& f, int x, int y, const SheetRun& word, int n = 0) {
  KeyedFrame(f.field, x, y, f.time, word, n);
}

}  // namespace

// FlowStep -76 to -2 closes one 4-pixel strip per side per tick, 0 to 76 opens from the middle.
void DrawCurtain(StageWindow& f, const Model& m) {
  const int32_t s = m.FlowStep;
  if (s == -76) Copy(f.field, 0, 0, kScreenW, kScreenH, f.cleanField, 0, 0);
  if (s >= -76 && s <= -2) {
    ShadeStrip(f, m, 4 * (s + 76), 4);
    ShadeStrip(f, m, 604 - 4 * (s + 76), 4);
  }
  if (s >= 0 && s <= 76) {
    UncoverStrip(f, 300 + 4 * s);
    UncoverStrip(f, 304 - 4 * s);
  }
}

void ShadeCurtainMiddle(StageWindow& f, const Model& m) { ShadeStrip(f, m, 300, 8); }

// Each word is drawn over itself in the other tint; both tints have the same shape.
void DrawContinuePrompt(StageWindow& f, const Model& m) {
  using namespace time_sheet;
  DrawWord(f, 176, 64, kContinueWord);
  const bool yes = m.ContinueCursor == 0;
  DrawWord(f, 240, 128, kYesWords, yes ? kBrightWord : kDimWord);
  DrawWord(f, 240, 192, kNoWords, yes ? kDimWord : kBrightWord);
  f.field.Present();
}

}  // namespace slidestone
