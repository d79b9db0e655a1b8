// The curtain between moments of play: dark strips closing over the field from both edges, the
// field uncovered again from the middle, and the continue prompt over the dark field.
#include "presentation/game.h"
#include "presentation/presentation.h"

namespace slidestone {

namespace {

constexpr int kCurtainAlpha = 120;

// Darkens a full-height strip of the field with the black edge of the backdrop sheet.
void ShadeStrip(Game& g, int x, int w) {
  Shade(g.stageWindow.field, x, 0, w, kFieldH, g.stageWindow.stageback[g.BackdropIndex], 608, 0, w,
        kFieldH, kCurtainAlpha);
}

void UncoverStrip(Game& g, int x) {
  Copy(g.stageWindow.field, x, 0, 4, kFieldH, g.stageWindow.cleanField, x, 0);
}

void DrawWord(Game& g, int x, int y, int w, int sx, int sy) {
  KeyedCopy(g.stageWindow.field, x, y, w, 64, g.stageWindow.time, sx, sy);
}

}  // namespace

// FlowStep -76 to -2 closes one 4-pixel strip per side per tick, 0 to 76 opens from the middle.
void DrawCurtain(Game& g) {
  const int32_t s = g.FlowStep;
  if (s == -76) Copy(g.stageWindow.field, 0, 0, kScreenW, kScreenH, g.stageWindow.cleanField, 0, 0);
  if (s >= -76 && s <= -2) {
    ShadeStrip(g, 4 * (s + 76), 4);
    ShadeStrip(g, 604 - 4 * (s + 76), 4);
  }
  if (s >= 0 && s <= 76) {
    UncoverStrip(g, 300 + 4 * s);
    UncoverStrip(g, 304 - 4 * s);
  }
}

void ShadeCurtainMiddle(Game& g) { ShadeStrip(g, 300, 8); }

// Each word is drawn over itself in the other tint; both tints have the same shape.
void DrawContinuePrompt(Game& g) {
  DrawWord(g, 176, 64, 256, 0, 192);  // continue?
  const bool yes = g.ContinueCursor == 0;
  DrawWord(g, 240, 128, 128, yes ? 0 : 128, 256);
  DrawWord(g, 240, 192, 128, yes ? 128 : 0, 320);
  g.stageWindow.field.Present();
}

}  // namespace slidestone
