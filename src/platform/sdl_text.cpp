#include "platform/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>

namespace slidestone {

namespace {

constexpr int kPadding = 8;  // space before the first letter and after the last
constexpr SDL_Color kLetters{242, 248, 255, 255};
constexpr SDL_Color kShadow{6, 14, 40, 255};

int Mix(int a, int b, int alpha) { return (a * alpha + b * (255 - alpha)) / 255; }

// The strip: dark ice deepening downward, a frosty rim on top and a dark edge below.
void PaintStrip(Surface& dst, int x, int y, int w, int h) {
  const int x0 = std::max(0, x), x1 = std::min(dst.Width(), x + w);
  for (int j = 0; j < h; ++j) {
    const int yy = y + j;
    if (yy < 0 || yy >= dst.Height()) continue;
    Pixel c;
    if (j == 0) {
      c = Rgb(168, 214, 246);
    } else if (j == 1) {
      c = Rgb(70, 120, 184);
    } else if (j == h - 1) {
      c = Rgb(4, 10, 28);
    } else {
      const int t = h > 3 ? 255 * (j - 2) / (h - 3) : 0;  // 0 at the top, 255 at the bottom
      c = Rgb(Mix(12, 34, t), Mix(26, 64, t), Mix(62, 124, t));
    }
    for (int i = x0; i < x1; ++i) dst.Row(yy)[i] = c;
  }
}

// Blends rendered letters (ARGB with coverage in alpha) onto dst at (ox, oy), clipped to the
// field rectangle.
void BlendGlyphs(Surface& dst, SDL_Surface* argb, int ox, int oy, int x, int y, int w, int h) {
  const int cx0 = std::max(0, x), cx1 = std::min(dst.Width(), x + w);
  const int cy0 = std::max(0, y), cy1 = std::min(dst.Height(), y + h);
  SDL_LockSurface(argb);
  for (int j = 0; j < argb->h; ++j) {
    const int yy = oy + j;
    if (yy < cy0 || yy >= cy1) continue;
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        size_t(j) * argb->pitch);
    for (int i = 0; i < argb->w; ++i) {
      const int xx = ox + i;
      if (xx < cx0 || xx >= cx1) continue;
      const uint32_t p = row[i];
      const int a = int(p >> 24);
      if (a == 0) continue;
      const Pixel d = dst.Row(yy)[xx];
      dst.Row(yy)[xx] = Rgb(Mix(int((p >> 16) & 255), RedOf(d), a), Mix(int((p >> 8) & 255), GreenOf(d), a),
                            Mix(int(p & 255), BlueOf(d), a));
    }
  }
  SDL_UnlockSurface(argb);
}

SDL_Surface* Render(TTF_Font* font, const std::string& text, SDL_Color colour) {
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font, text.c_str(), colour);
  if (!glyphs) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(glyphs);
  return argb;
}

}  // namespace

SdlTextPainter::SdlTextPainter(const std::string& fontPath, int pointSize, int minPointSize) {
  if (TTF_WasInit() == 0 && TTF_Init() != 0) {
    std::fprintf(stderr, "slidestone: no text rendering: %s\n", TTF_GetError());
    return;
  }
  for (int size = pointSize; size >= minPointSize; size -= 1) {
    TTF_Font* font = TTF_OpenFont(fontPath.c_str(), size);
    if (!font) {
      std::fprintf(stderr, "slidestone: cannot open font %s: %s\n", fontPath.c_str(), TTF_GetError());
      return;
    }
    fonts_.push_back(font);
  }
}

SdlTextPainter::~SdlTextPainter() {
  for (TTF_Font* font : fonts_) TTF_CloseFont(font);
}

// The strips slide across the screen a pixel step at a time with the same words on them, so
// each is set in type once and then only copied.
void SdlTextPainter::Paint(Surface& dst, int x, int y, int w, int h, const std::string& text) {
  const Surface& strip = StripFor(w, h, text);
  const int x0 = std::max(0, x), x1 = std::min(dst.Width(), x + w);
  for (int j = 0; j < h; ++j) {
    const int yy = y + j;
    if (yy < 0 || yy >= dst.Height()) continue;
    for (int xx = x0; xx < x1; ++xx) dst.Row(yy)[xx] = strip.Row(j)[xx - x];
  }
}

const Surface& SdlTextPainter::StripFor(int w, int h, const std::string& text) {
  constexpr size_t kKept = 4;
  for (size_t i = 0; i < strips_.size(); ++i) {
    if (strips_[i].w == w && strips_[i].h == h && strips_[i].text == text) {
      std::rotate(strips_.begin(), strips_.begin() + long(i), strips_.begin() + long(i) + 1);
      return strips_.front().pixels;
    }
  }
  if (strips_.size() >= kKept) strips_.pop_back();
  strips_.insert(strips_.begin(), Strip{text, w, h, Surface(w, h)});
  ++renders_;
  Surface& dst = strips_.front().pixels;
  const int x = 0, y = 0;
  PaintStrip(dst, x, y, w, h);
  if (fonts_.empty() || text.empty()) return dst;
  // The largest size that fits the field; the smallest one when none does (then it is cut).
  TTF_Font* font = fonts_.back();
  for (TTF_Font* f : fonts_) {
    int tw = 0, th = 0;
    if (TTF_SizeUTF8(f, text.c_str(), &tw, &th) == 0 && tw <= w - 2 * kPadding) {
      font = f;
      break;
    }
  }
  SDL_Surface* shadow = Render(font, text, kShadow);
  SDL_Surface* letters = Render(font, text, kLetters);
  if (shadow && letters) {
    const int ox = x + kPadding, oy = y + (h - letters->h) / 2;
    BlendGlyphs(dst, shadow, ox + 1, oy + 2, x, y, w, h);
    BlendGlyphs(dst, letters, ox, oy, x, y, w, h);
  }
  if (shadow) SDL_FreeSurface(shadow);
  if (letters) SDL_FreeSurface(letters);
  return dst;
}

}  // namespace slidestone
