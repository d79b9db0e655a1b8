// The title logo (the menu window's `title`, 550 x 220) and the two splash logos, on black.
// The title's bottom 32 rows are a snow bank: the menu's little figures walk along it.
#include <cmath>

#include "blocks.h"
#include "palette.h"
#include "sheets.h"
#include "text.h"

namespace art {

namespace {

using namespace pal;

const WordStyle kIceLogo{Rgb{255, 255, 255}, Rgb{120, 196, 250}, Rgb{255, 255, 255}, Rgb{12, 20, 58}, 4, Rgb{28, 64, 160}, 7};

// Snow lying on the flat tops of the letters of a styled word.
Image SnowCapped(const Image& word, uint64_t seed) {
  const int W = word.W(), H = word.H();
  std::vector<int> top(W, -1);
  for (int x = 0; x < W; ++x)
    for (int y = 0; y < H; ++y)
      if (!word.Get(x, y).IsBlack()) {
        top[x] = y;
        break;
      }
  Canvas snow(W, H + 8);
  Rng rng(seed);
  for (int x = 1; x + 1 < W; ++x) {
    if (top[x] < 0 || top[x - 1] < 0 || top[x + 1] < 0) continue;
    if (std::abs(top[x - 1] - top[x]) > 1 || std::abs(top[x + 1] - top[x]) > 1) continue;  // only flat tops
    const int depth = 4 + ((x * 5 + static_cast<int>(seed)) % 7 == 0 ? 3 : 0);
    for (int j = 0; j < depth; ++j) {
      const int y = top[x] + 2 - 3 + j + 4;  // canvas is 4 rows taller at the top
      snow.Plot(x, y, j == 0 ? kSnowLight : j >= depth - 1 ? kSnowShade : kSnow);
    }
  }
  snow.Outline(Rgb{20, 30, 70});
  Image out(W, H + 4);
  out.Blit(word, 0, 0, W, H, 0, 4);
  out.Blit(snow.Sprite(), 0, 0, W, H + 4, 0, 0, true);
  (void)rng;
  return out;
}

Image Logo(const std::string& text, int maxW, int maxH, const WordStyle& s) {
  const Ink ink = FitInk(fonts::kSpartanBlack, text, maxW, maxH);
  return SnowCapped(StyleWord(ink, s), 5);
}

void NightSky(Image& img, int h, Rgb top, Rgb bottom, uint64_t seed) {
  for (int y = 0; y < img.H(); ++y)
    for (int x = 0; x < img.W(); ++x) img.Set(x, y, Mix(top, bottom, std::min(1.f, float(y) / float(h))));
  Rng rng(seed);
  for (int i = 0; i < img.W() / 4; ++i) {
    const int x = rng.Int(0, img.W() - 1), y = rng.Int(0, img.H() - 1);
    img.Set(x, y, Mix(img.Get(x, y), Rgb{230, 240, 255}, 0.3f + 0.5f * rng.Unit()));
  }
}

// Rolling snow along the bottom, its surface near the given row.
void SnowBank(Image& img, int surface) {
  for (int x = 0; x < img.W(); ++x) {
    const int s = surface + static_cast<int>(std::lround(2.5 * std::sin(x * 0.031) + 1.5 * std::sin(x * 0.083 + 1)));
    for (int y = s; y < img.H(); ++y) {
      Rgb c = y == s ? Rgb{40, 60, 110} : y == s + 1 ? kSnowLight : y < s + 5 ? kSnow : Mix(kSnow, kSnowShade, std::min(1.f, float(y - s - 5) / 20.f));
      img.Set(x, y, c);
    }
  }
}

}  // namespace

Image MakeTitle() {
  Image img(550, 220);
  NightSky(img, 200, Rgb{14, 24, 70}, Rgb{64, 110, 188}, 17);
  // Snowy toy blocks along the horizon; the widest one carries the sliding stone.
  struct Pile {
    int x, w, top;
    Rgb face;
  };
  const Pile piles[] = {{-10, 70, 148, {58, 88, 160}},  {56, 40, 166, {74, 104, 178}}, {140, 56, 162, {66, 96, 170}},
                        {186, 44, 176, {84, 112, 186}}, {268, 60, 170, {62, 92, 166}}, {322, 30, 182, {80, 108, 182}},
                        {356, 170, 178, {70, 100, 174}}, {520, 50, 158, {60, 90, 164}}};
  int seed = 0;
  for (const Pile& p : piles) {
    DrawBlock(img, p.x, p.top, p.w, 220 - p.top, MakeBlockTone(p.face, Rgb{20, 30, 70}));
    DrawSnowCap(img, p.x, p.top, p.w, ++seed);
  }
  SnowBank(img, 204);
  const Image logo = Logo("SLIDESTONE", 512, 96, kIceLogo);
  img.Blit(logo, 0, 0, logo.W(), logo.H(), (550 - logo.W()) / 2, 18, true);
  // The stone sliding in under the name, with speed streaks behind it.
  Canvas stone(96, 96);
  Xform xf;
  xf.pivot = {16, 32}, xf.sx = xf.sy = 2.5f, xf.offset = {30, 58};
  stone.Draw(SideStone(1, 0.35f), xf);
  const int sx = 396, sy = 92;
  for (int k = 0; k < 4; ++k) {
    const int y = sy + 58 + 8 * k, len = 60 - 12 * k;
    for (int i = 0; i < len; ++i)
      img.Set(sx + 24 - 14 * k - i, y, Mix(img.Get(sx + 24 - 14 * k - i, y), Rgb{220, 236, 255}, 0.7f * (1 - float(i) / float(len))));
  }
  img.Blit(stone.Sprite(), 0, 0, 96, 96, sx, sy, true);
  return img;
}

Image MakeLogo1() {
  // A studio mark: three stacked toy blocks, snow on top, and the studio's name.
  Image img(300, 157);
  const BlockTone red = MakeBlockTone(kRed), yellow = MakeBlockTone(kYellow), blue = MakeBlockTone(kBlue);
  DrawBlock(img, 118, 60, 64, 30, red);
  DrawStud(img, 126, 54, 14, 7, red), DrawStud(img, 160, 54, 14, 7, red);
  DrawBlock(img, 134, 32, 32, 28, yellow);
  DrawStud(img, 140, 26, 20, 7, yellow);
  DrawBlock(img, 100, 60, 18, 30, blue), DrawBlock(img, 182, 60, 18, 30, blue);
  DrawSnowCap(img, 134, 26, 32, 2);
  WordStyle s{Rgb{255, 255, 255}, Rgb{170, 210, 250}, Rgb{0, 0, 0}, Rgb{18, 24, 60}, 2, Rgb{40, 60, 140}, 3};
  const Image name = StyleWord(FitInk(fonts::kSpartanBlack, "SNOWBLOCK", 260, 34), s);
  img.Blit(name, 0, 0, name.W(), name.H(), (300 - name.W()) / 2, 96, true);
  WordStyle g = s;
  g.top = g.bottom = Rgb{250, 200, 60}, g.depth = 0, g.outlineW = 1;
  const Image games = StyleWord(FitInk(fonts::kSpartanBold, "G A M E S", 120, 12), g);
  img.Blit(games, 0, 0, games.W(), games.H(), (300 - games.W()) / 2, 138, true);
  return img;
}

Image MakeLogo2() {
  // The game's own mark: the stone and its name, with a line beneath.
  Image img(400, 200);
  Canvas stone(120, 110);
  Xform xf;
  xf.pivot = {16, 32}, xf.sx = xf.sy = 3.2f, xf.offset = {44, 70};
  stone.Draw(SideStone(0, 0.3f), xf);
  img.Blit(stone.Sprite(), 0, 0, 120, 110, 140, 0, true);
  const Image name = Logo("SLIDESTONE", 360, 48, kIceLogo);
  img.Blit(name, 0, 0, name.W(), name.H(), (400 - name.W()) / 2, 112, true);
  WordStyle t{Rgb{220, 232, 250}, Rgb{160, 180, 220}, Rgb{0, 0, 0}, Rgb{16, 20, 44}, 1, {}, 0};
  const Image tag = StyleWord(FitInk(fonts::kSpartanBold, "a winter puzzle of toy blocks", 300, 14), t);
  img.Blit(tag, 0, 0, tag.W(), tag.H(), (400 - tag.W()) / 2, 178, true);
  return img;
}

}  // namespace art
