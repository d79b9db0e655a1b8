// The contact sheet for review: every sheet at twice its size with its name, masks shown as they
// are stored, plus a sample play field composed from the sheets the way the game composes it
// (keyed tiles, added ice overlays, masked sprites), to judge the pictures together.
#include <algorithm>

#include "sheets.h"
#include "text.h"

namespace art {

namespace {

const Image* Find(const std::vector<Picture>& pics, const std::string& name) {
  for (const Picture& p : pics)
    if (p.name == name) return &p.img;
  return nullptr;
}

// (dst AND mask) XOR sprite, exactly as the game draws a masked pair.
void MaskedPair(Image& dst, const Image& sheet, int mx, int my, int sx, int sy, int w, int h, int dx, int dy) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      if (!dst.Inside(dx + i, dy + j)) continue;
      const Rgb d = dst.Get(dx + i, dy + j), m = sheet.Get(mx + i, my + j), s = sheet.Get(sx + i, sy + j);
      dst.Set(dx + i, dy + j, Rgb{uint8_t((d.r & m.r) ^ s.r), uint8_t((d.g & m.g) ^ s.g), uint8_t((d.b & m.b) ^ s.b)});
    }
}

Image SampleField(const std::vector<Picture>& pics) {
  const Image& back = *Find(pics, "stageback1");
  const Image& c3 = *Find(pics, "char3");
  const Image& c4 = *Find(pics, "char4");
  const Image& mc = *Find(pics, "mainchar");
  const Image& jd = *Find(pics, "jumpd");
  Image field = back.Crop(0, 0, 608, 352);
  // A small stage: codes as in the map files.
  const char* rows[11] = {
      "...................", "...................", "...................", "......2222.........",
      "..........1........", "1111..........11111", "......KK.9...1.....", "......11111..1.....",
      "5..............8...", "1113LL11114..1112221", "1111111111111111111",
  };
  for (int r = 0; r < 11; ++r)
    for (int c = 0; c < 19; ++c) {
      const char k = rows[r][c];
      const bool snow = r > 0 && rows[r - 1][c] == '.';
      auto cell = [&](int sx, int sy, bool keyed) { field.Blit(c3, sx, sy, 32, 32, 32 * c, 32 * r, keyed); };
      switch (k) {
        case '1': cell(0, snow ? 96 : 64, true); break;
        case '2': cell(32, snow ? 96 : 64, true); break;
        case '3': cell(128, 64, false); break;
        case '4': cell(160, 64, false); break;
        case '5': cell(192, 64, false); break;
        case '8': cell(64, 64, false); break;
        case '9': cell(96, 64, false); break;
        case 'L': field.AddFrom(c4.Crop(0, 0, 32, 32), 32 * c, 32 * r); break;   // active speed tile
        case 'K': field.AddFrom(c4.Crop(192, 0, 32, 32), 32 * c, 32 * r); break; // spent ice block
        default: break;
      }
    }
  MaskedPair(field, c3, 128, 128, 32, 128, 32, 32, 32 * 17, 32 * 8);    // goal flag
  MaskedPair(field, c3, 96, 160, 0, 160, 32, 32, 32 * 7, 32 * 5);       // bucket
  MaskedPair(field, c3, 64, 224, 64, 192, 32, 32, 32 * 11, 32 * 8);     // penguin
  MaskedPair(field, c3, 0, 352, 0, 320, 32, 32, 32 * 15, 32 * 4);       // watcher
  MaskedPair(field, c3, 192, 480, 192, 448, 32, 32, 32 * 2, 32 * 4);    // thrower, throwing
  MaskedPair(field, c3, 192, 176, 192, 160, 16, 16, 32 * 3 + 14, 32 * 4 + 12);
  MaskedPair(field, jd, 160, 0, 0, 0, 32, 32, 32 * 13, 32 * 7 + 12);    // spring
  MaskedPair(field, mc, 128 + 32, 0, 32, 0, 32, 32, 32 * 4, 32 * 8);    // player walking
  MaskedPair(field, mc, 128 + 64, 128, 64, 128, 32, 32, 32 * 9, 32 * 8); // player sweeping
  MaskedPair(field, c3, 64, 32, 64, 0, 32, 32, 32 * 2, 32 * 8);         // stone
  field.Blit(c3, 224, 64, 32, 12, 32 * 2, 32 * 8 + 4, true);            // its UP label
  return field;
}

}  // namespace

Image MakeContactSheet(const std::vector<Picture>& pics) {
  constexpr int kGap = 24, kLabel = 30, kWidth = 2700;
  // Lay the sheets out in rows, each drawn at 2x on a grey card so black reads as black.
  struct Spot {
    const Image* img;
    std::string name;
    int x, y, scale;
  };
  std::vector<Picture> all = pics;
  all.push_back({"sample field (composed)", SampleField(pics)});
  std::vector<Spot> spots;
  int x = kGap, y = kGap, rowH = 0;
  for (const Picture& p : all) {
    const int w = p.img.W() * 2, h = p.img.H() * 2;
    if (x + w + kGap > kWidth) x = kGap, y += rowH + kGap + kLabel, rowH = 0;
    spots.push_back({&p.img, p.name, x, y + kLabel, 2});
    x += w + kGap;
    rowH = std::max(rowH, h);
  }
  Image out(kWidth, y + rowH + kLabel + kGap, Rgb{72, 74, 84});
  WordStyle label;
  label.top = label.bottom = Rgb{236, 240, 250};
  label.outlineW = 1;
  for (const Spot& s : spots) {
    out.BlitAll(s.img->ScaledNearest(s.scale), s.x, s.y);
    const Image word = StyleWord(SizedInk(fonts::kDejaVuBold, s.name, 16), label);
    out.Blit(word, 0, 0, word.W(), word.H(), s.x, s.y - kLabel + 4, true);
  }
  return out;
}

}  // namespace art
