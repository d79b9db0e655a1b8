// Plain RGB(A) pictures in memory, the raw material of every sheet the generator writes.
// The drawing code works in float; the pixel positions, frames and counts it mixes in are small
// whole numbers, so float(n) turns them into floats exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
  bool IsBlack() const { return r == 0 && g == 0 && b == 0; }
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

Rgb Mix(Rgb a, Rgb b, float t);     // t = 0 gives a, 1 gives b
Rgb Scale(Rgb c, float f);          // multiply every channel, saturating
Rgb Add(Rgb a, Rgb b);              // saturating sum
Rgb Grey(int v);
// Never exact black: sprites and words are drawn on pure black, so a drawn pixel must differ.
Rgb NotBlack(Rgb c);

class Image {
 public:
  Image() = default;
  Image(int w, int h, Rgb fill = kBlack);

  int W() const { return w_; }
  int H() const { return h_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Rgb Get(int x, int y) const { return Inside(x, y) ? px_[y * w_ + x] : kBlack; }
  void Set(int x, int y, Rgb c) {
    if (Inside(x, y)) px_[y * w_ + x] = c;
  }
  uint8_t Alpha(int x, int y) const { return Inside(x, y) && !alpha_.empty() ? alpha_[y * w_ + x] : 255; }
  void SetAlpha(int x, int y, uint8_t a);

  void Fill(Rgb c);
  void FillRect(int x, int y, int w, int h, Rgb c);
  // Copies a rectangle of src to (dx, dy); keyed = black source pixels are left out.
  void Blit(const Image& src, int sx, int sy, int w, int h, int dx, int dy, bool keyed = false);
  void BlitAll(const Image& src, int dx, int dy, bool keyed = false) {
    Blit(src, 0, 0, src.W(), src.H(), dx, dy, keyed);
  }
  // Adds src onto this image channel by channel (saturating), as the tile blending does.
  void AddFrom(const Image& src, int dx, int dy);
  Image Crop(int x, int y, int w, int h) const;
  Image FlipX() const;
  Image ScaledNearest(int factor) const;

  bool SavePng(const std::string& path) const;  // RGB, or RGBA when an alpha plane exists

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgb> px_;
  std::vector<uint8_t> alpha_;
};

// A small fixed-seed generator, so every run draws the same speckles and flakes.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {}
  uint32_t Next();
  int Int(int lo, int hi);  // inclusive
  float Unit();             // [0, 1)

 private:
  uint64_t s_;
};

}  // namespace art
