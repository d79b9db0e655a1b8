#include "image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>

namespace art {

static uint8_t Clamp8(float v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0l, 255l)); }

Rgb Mix(Rgb a, Rgb b, float t) {
  return {Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t)};
}

Rgb Scale(Rgb c, float f) { return {Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f)}; }

Rgb Add(Rgb a, Rgb b) {
  return {static_cast<uint8_t>(std::min(255, a.r + b.r)), static_cast<uint8_t>(std::min(255, a.g + b.g)),
          static_cast<uint8_t>(std::min(255, a.b + b.b))};
}

Rgb Grey(int v) {
  auto g = static_cast<uint8_t>(std::clamp(v, 0, 255));
  return {g, g, g};
}

Rgb NotBlack(Rgb c) {
  if (c.r + c.g + c.b >= 24) return c;
  return {static_cast<uint8_t>(std::max<int>(c.r, 8)), static_cast<uint8_t>(std::max<int>(c.g, 8)),
          static_cast<uint8_t>(std::max<int>(c.b, 12))};
}

Image::Image(int w, int h, Rgb fill) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, fill) {}

void Image::SetAlpha(int x, int y, uint8_t a) {
  if (!Inside(x, y)) return;
  if (alpha_.empty()) alpha_.assign(px_.size(), 255);
  alpha_[y * w_ + x] = a;
}

void Image::Fill(Rgb c) { std::fill(px_.begin(), px_.end(), c); }

void Image::FillRect(int x, int y, int w, int h, Rgb c) {
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Image::Blit(const Image& src, int sx, int sy, int w, int h, int dx, int dy, bool keyed) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      Rgb c = src.Get(sx + i, sy + j);
      if (keyed && c.IsBlack()) continue;
      Set(dx + i, dy + j, c);
    }
}

void Image::AddFrom(const Image& src, int dx, int dy) {
  for (int j = 0; j < src.H(); ++j)
    for (int i = 0; i < src.W(); ++i)
      if (Inside(dx + i, dy + j)) Set(dx + i, dy + j, Add(Get(dx + i, dy + j), src.Get(i, j)));
}

Image Image::Crop(int x, int y, int w, int h) const {
  Image out(w, h);
  out.Blit(*this, x, y, w, h, 0, 0);
  return out;
}

Image Image::FlipX() const {
  Image out(w_, h_);
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) out.Set(w_ - 1 - x, y, Get(x, y));
  return out;
}

Image Image::ScaledNearest(int factor) const {
  Image out(w_ * factor, h_ * factor);
  for (int y = 0; y < out.H(); ++y)
    for (int x = 0; x < out.W(); ++x) out.Set(x, y, Get(x / factor, y / factor));
  return out;
}

bool Image::SavePng(const std::string& path) const {
  const bool rgba = !alpha_.empty();
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w_, h_, rgba ? 32 : 24,
                                                  rgba ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24);
  if (!s) return false;
  for (int y = 0; y < h_; ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    for (int x = 0; x < w_; ++x) {
      const Rgb c = px_[y * w_ + x];
      uint8_t* p = row + x * (rgba ? 4 : 3);
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
      if (rgba) p[3] = alpha_[y * w_ + x];
    }
  }
  const bool ok = IMG_SavePNG(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

uint32_t Rng::Next() {
  uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 16);
}

int Rng::Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }

float Rng::Unit() { return float(Next() & 0xFFFFFF) / float(0x1000000); }

}  // namespace art
