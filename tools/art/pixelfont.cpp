#include "pixelfont.h"

#include <cstring>

namespace art {

namespace {

struct Glyph {
  char ch;
  const char* rows;  // rows joined by '/', '#' = ink
};

// 3x5 letters for the block signs.
constexpr Glyph kSmall[] = {
    {'S', "###/#../###/..#/###"}, {'P', "##./#.#/##./#../#.."}, {'E', "###/#../##./#../###"},
    {'D', "##./#.#/#.#/#.#/##."}, {'U', "#.#/#.#/#.#/#.#/###"}, {'O', "###/#.#/#.#/#.#/###"},
    {'W', "#...#/#...#/#.#.#/##.##/#...#"}, {'N', "#..#/##.#/#.##/#..#/#..#"}, {' ', ".../.../.../.../..."},
};

// 5x7 letters for the rising speed labels.
constexpr Glyph kLarge[] = {
    {'U', "##.##/##.##/##.##/##.##/##.##/#####/.###."},
    {'P', "####./##.##/##.##/####./##.../##.../##..."},
    {'D', "####./##.##/##.##/##.##/##.##/##.##/####."},
    {'O', ".###./##.##/##.##/##.##/##.##/##.##/.###."},
    {'W', "##.##/##.##/##.##/#####/#####/##.##/#...#"},
    {'N', "##..#/###.#/#####/##.##/##.##/##.##/##.##"},
};

const Glyph* Find(char ch, bool large) {
  if (large) {
    for (const Glyph& g : kLarge)
      if (g.ch == ch) return &g;
  } else {
    for (const Glyph& g : kSmall)
      if (g.ch == ch) return &g;
  }
  return nullptr;
}

// Glyphs may be wider than the font's nominal width (the small W is 5 pixels).
int GlyphWidth(const Glyph* g) { return static_cast<int>(std::strcspn(g->rows, "/")); }

}  // namespace

int PixelTextWidth(const std::string& text, bool large) {
  int w = 0;
  for (char ch : text) {
    const Glyph* g = Find(ch, large);
    w += (g ? GlyphWidth(g) : (large ? 5 : 3)) + 1;
  }
  return text.empty() ? 0 : w - 1;
}

bool PixelText(Canvas& cv, const std::string& text, int x, int y, bool large, Rgb c) {
  for (char ch : text) {
    const Glyph* g = Find(ch, large);
    if (!g) return false;
    int row = 0, col = 0;
    for (const char* p = g->rows; *p; ++p) {
      if (*p == '/') {
        ++row, col = 0;
        continue;
      }
      if (*p == '#') cv.Plot(x + col, y + row, c);
      ++col;
    }
    x += GlyphWidth(g) + 1;
  }
  return true;
}

}  // namespace art
