#include "text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace art {

namespace {

void NeedTtf() {
  static bool ready = false;
  if (ready) return;
  if (TTF_Init() != 0) {
    std::fprintf(stderr, "art: TTF_Init failed: %s\n", TTF_GetError());
    std::exit(1);
  }
  ready = true;
}

Ink CropToInk(const Ink& in) {
  int x0 = in.w, y0 = in.h, x1 = -1, y1 = -1;
  for (int y = 0; y < in.h; ++y)
    for (int x = 0; x < in.w; ++x)
      if (in.a[y * in.w + x] > 0.02f) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
  Ink out;
  if (x1 < 0) return out;
  out.w = x1 - x0 + 1, out.h = y1 - y0 + 1;
  out.a.resize(static_cast<size_t>(out.w) * out.h);
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) out.a[y * out.w + x] = in.At(x + x0, y + y0);
  return out;
}

}  // namespace

Ink SizedInk(const char* font, const std::string& text, int ptsize) {
  NeedTtf();
  TTF_Font* f = TTF_OpenFont(font, ptsize);
  if (!f) {
    std::fprintf(stderr, "art: cannot open font %s: %s\n", font, TTF_GetError());
    std::exit(1);
  }
  SDL_Surface* s = TTF_RenderUTF8_Blended(f, text.c_str(), SDL_Color{255, 255, 255, 255});
  TTF_CloseFont(f);
  if (!s) {
    std::fprintf(stderr, "art: cannot render '%s': %s\n", text.c_str(), TTF_GetError());
    std::exit(1);
  }
  SDL_Surface* c = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(s);
  Ink ink;
  ink.w = c->w, ink.h = c->h;
  ink.a.resize(static_cast<size_t>(ink.w) * ink.h);
  for (int y = 0; y < c->h; ++y) {
    const auto* row = static_cast<const uint8_t*>(c->pixels) + static_cast<size_t>(y) * c->pitch;
    for (int x = 0; x < c->w; ++x) ink.a[y * ink.w + x] = row[x * 4 + 3] / 255.f;
  }
  SDL_FreeSurface(c);
  return CropToInk(ink);
}

Ink Stretch(const Ink& in, int w, int h) {
  Ink out;
  out.w = w, out.h = h;
  out.a.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float fx = (float(x) + 0.5f) * float(in.w) / float(w) - 0.5f, fy = (float(y) + 0.5f) * float(in.h) / float(h) - 0.5f;
      const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
      const float tx = fx - float(ix), ty = fy - float(iy);
      out.a[y * w + x] = in.At(ix, iy) * (1 - tx) * (1 - ty) + in.At(ix + 1, iy) * tx * (1 - ty) +
                         in.At(ix, iy + 1) * (1 - tx) * ty + in.At(ix + 1, iy + 1) * tx * ty;
    }
  return out;
}

Ink FitInk(const char* font, const std::string& text, int maxW, int maxH, float squeeze) {
  // Grow the point size until the ink no longer fits, keep the last that did.
  Ink best;
  for (int pt = 8; pt < 400; pt += 1) {
    Ink ink = SizedInk(font, text, pt);
    const int w = static_cast<int>(std::lround(float(ink.w) * squeeze));
    if (w > maxW || ink.h > maxH) break;
    best = squeeze == 1.f ? ink : Stretch(ink, w, ink.h);
  }
  return best;
}

int FitSize(const char* font, const std::vector<std::string>& texts, int maxW, int maxH) {
  static std::map<std::string, int> known;
  std::string key = std::string(font) + "|" + std::to_string(maxW) + "x" + std::to_string(maxH);
  for (const std::string& t : texts) key += "|" + t;
  if (auto it = known.find(key); it != known.end()) return it->second;
  int best = 8;
  for (int pt = 8; pt < 400; ++pt) {
    bool fits = true;
    for (const std::string& t : texts) {
      const Ink ink = SizedInk(font, t, pt);
      if (ink.w > maxW || ink.h > maxH) fits = false;
    }
    if (!fits) break;
    best = pt;
  }
  known[key] = best;
  return best;
}

Ink Slant(const Ink& in, float shear) {
  const int extra = static_cast<int>(std::ceil(std::fabs(shear) * float(in.h)));
  Ink out;
  out.w = in.w + extra, out.h = in.h;
  out.a.assign(static_cast<size_t>(out.w) * out.h, 0.f);
  for (int y = 0; y < in.h; ++y) {
    const float off = shear * float(in.h - 1 - y);
    for (int x = 0; x < out.w; ++x) {
      const float sx = float(x) - off;
      const int ix = static_cast<int>(std::floor(sx));
      const float t = sx - float(ix);
      out.a[y * out.w + x] = in.At(ix, y) * (1 - t) + in.At(ix + 1, y) * t;
    }
  }
  return out;
}

Ink Smear(const Ink& in, int length) {
  // The letters move to the right, so the trail fades out to their left.
  Ink out;
  out.w = in.w + length, out.h = in.h;
  out.a.assign(static_cast<size_t>(out.w) * out.h, 0.f);
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) {
      float v = 0;
      for (int j = 0; j <= length; ++j)
        v = std::max(v, in.At(x - length + j, y) * (j == 0 ? 1.f : 0.8f * (1.f - float(j) / float(length))));
      out.a[y * out.w + x] = v;
    }
  return out;
}

Image StyleWord(const Ink& ink, const WordStyle& s) {
  const int pad = s.outlineW + 1;
  const int W = ink.w + 2 * pad + s.depth, H = ink.h + 2 * pad + s.depth;
  auto glyph = [&](int x, int y) { return ink.At(x - pad, y - pad); };
  // Solid region of the letters, grown by the outline width (a disc).
  std::vector<uint8_t> grown(static_cast<size_t>(W) * H, 0);
  const int r = s.outlineW;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      bool on = false;
      for (int dy = -r; dy <= r && !on; ++dy)
        for (int dx = -r; dx <= r && !on; ++dx)
          if (dx * dx + dy * dy <= r * r + r / 2 && glyph(x + dx, y + dy) > 0.35f) on = true;
      grown[y * W + x] = on;
    }
  Image out(W, H);
  for (int k = s.depth; k >= 1; --k)
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if (x - k >= 0 && y - k >= 0 && grown[(y - k) * W + x - k])
          out.Set(x, y, NotBlack(Mix(s.depthColour, s.outline, 0.35f * float(k) / float(s.depth))));
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      if (!grown[y * W + x]) continue;
      const float a = glyph(x, y);
      const float t = ink.h > 1 ? std::clamp(float(y - pad) / float(ink.h - 1), 0.f, 1.f) : 0.f;
      Rgb fill = Mix(s.top, s.bottom, t);
      if (!s.shine.IsBlack() && t < 0.42f) fill = Mix(fill, s.shine, 0.45f * (1 - t / 0.42f));
      out.Set(x, y, NotBlack(Mix(s.outline, fill, std::clamp((a - 0.15f) / 0.7f, 0.f, 1.f))));
    }
  return out;
}

void PlaceWord(Image& sheet, const Image& word, int x, int y, int w, int h, Align al, int margin) {
  int dx = x + margin;
  if (al == Align::Centre) dx = x + (w - word.W()) / 2;
  if (al == Align::Right) dx = x + w - margin - word.W();
  const int dy = y + (h - word.H()) / 2;
  // Clip to the cell, so a word never spills into its neighbour.
  for (int j = 0; j < word.H(); ++j)
    for (int i = 0; i < word.W(); ++i) {
      const int px = dx + i, py = dy + j;
      if (px < x || py < y || px >= x + w || py >= y + h) continue;
      const Rgb c = word.Get(i, j);
      if (!c.IsBlack()) sheet.Set(px, py, c);
    }
}

void ShutDownText() {
  if (TTF_WasInit()) TTF_Quit();
}

}  // namespace art
