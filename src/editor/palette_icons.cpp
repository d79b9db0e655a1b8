// The palette's icons: every piece drawn once by the loader's own drawing, with the key that
// picks it in a corner, so "1-9" needs no guessing.
#include <array>

#include "editor/editor.h"
#include "editor/palette.h"
#include "graphics/forms.h"
#include "presentation/field_picture.h"
#include "presentation/game.h"
#include "presentation/presentation.h"
#include "stagedata/stage_field.h"

namespace slidestone::editor {

namespace {

constexpr Pixel kLabelInk = Rgb(255, 255, 255);
constexpr Pixel kLabelBack = Rgb(12, 20, 48);
constexpr Pixel kCrossColour = Rgb(240, 64, 48);
constexpr int kDot = 2;           // a glyph dot is 2 x 2 pixels

// The keys' glyphs, 3 x 5 dots, one row a string.
struct Glyph {
  char key;
  std::array<const char*, 5> rows;
};
constexpr Glyph kGlyphs[] = {
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"###", "..#", "###", "#..", "###"}}, {'3', {"###", "..#", "###", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "###"}},
    {'B', {"##.", "#.#", "##.", "#.#", "##."}}, {'G', {"###", "#..", "#.#", "#.#", "###"}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'W', {"#.#", "#.#", "#.#", "###", "#.#"}},
};

void Fill(Surface& s, int x, int y, int w, int h, Pixel c) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) s.Row(j)[i] = c;
  }
}

// The key's glyph, white on a dark tab in the icon's lower right corner.
void Label(Surface& s, int x, char key) {
  for (const Glyph& g : kGlyphs) {
    if (g.key != key) continue;
    const int gx = x + 32 - 3 * kDot - 3, gy = 32 - 5 * kDot - 3;
    Fill(s, gx - 2, gy - 2, 3 * kDot + 4, 5 * kDot + 4, kLabelBack);
    for (int r = 0; r < 5; ++r) {
      for (int c = 0; c < 3; ++c) {
        if (g.rows[size_t(r)][c] == '#') Fill(s, gx + c * kDot, gy + r * kDot, kDot, kDot, kLabelInk);
      }
    }
  }
}

}  // namespace

void Editor::BuildPaletteIcons() {
  StageDoc p;
  for (int i = 0; i < kPaletteSize; ++i) {
    const PaletteEntry& e = Palette()[size_t(i)];
    if (e.layer == Layer::Map) p.map[1][size_t(i)] = e.code;
    if (e.layer == Layer::Objects) p.objects[1][size_t(i)] = e.code;
    if (e.layer == Layer::PlayerStart) p.record[kRecPlayerX] = 32 * i, p.record[kRecPlayerY] = 32;
    if (e.layer == Layer::StoneStart) p.record[kRecStoneX] = 32 * i, p.record[kRecStoneY] = 32;
  }
  DrawStageField(g_, p.map, p.objects, p.record);
  ShowSpeedTileLooks(g_, p.map);
  paletteIcons_.Resize(32 * kPaletteSize, 32);
  Copy(paletteIcons_, 0, 0, 32 * kPaletteSize, 32, g_.stageWindow.field, 0, 32);
  for (int i = 0; i < kPaletteSize; ++i) {
    const PaletteEntry& e = Palette()[size_t(i)];
    if (e.layer == Layer::Eraser) {
      for (int k = 6; k < 26; ++k) {  // a red cross on the bare backdrop
        for (int t = 0; t < 3; ++t) {
          paletteIcons_.Row(k)[32 * i + k + t - 1] = kCrossColour;
          paletteIcons_.Row(k)[32 * i + 31 - k + t - 1] = kCrossColour;
        }
      }
    }
    Label(paletteIcons_, 32 * i, char(e.key));
  }
}

}  // namespace slidestone::editor
