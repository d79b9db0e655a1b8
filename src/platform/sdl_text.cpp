#include "platform/sdl_text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>

namespace slidestone {

SdlTextPainter::SdlTextPainter(const std::string& fontPath, int pointSize) {
  if (TTF_WasInit() == 0 && TTF_Init() != 0) {
    std::fprintf(stderr, "slidestone: no text rendering: %s\n", TTF_GetError());
    return;
  }
  font_ = TTF_OpenFont(fontPath.c_str(), pointSize);
  if (!font_) std::fprintf(stderr, "slidestone: cannot open font %s: %s\n", fontPath.c_str(), TTF_GetError());
}

SdlTextPainter::~SdlTextPainter() {
  if (font_) TTF_CloseFont(font_);
}

void SdlTextPainter::Paint(Surface& dst, int x, int y, int w, int h, const std::string& text) {
  // The strip: deep blue with a lighter rim at the top, like the edge of an ice sheet.
  for (int j = 0; j < h; ++j) {
    const int yy = y + j;
    if (yy < 0 || yy >= dst.Height()) continue;
    const Pixel c = j == 0 ? Rgb(120, 170, 220) : j == h - 1 ? Rgb(8, 16, 40) : Rgb(18, 36, 78);
    for (int i = std::max(0, x); i < std::min(dst.Width(), x + w); ++i) dst.Row(yy)[i] = c;
  }
  if (!font_ || text.empty()) return;
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font_, text.c_str(), SDL_Color{240, 246, 255, 255});
  if (!glyphs) return;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(glyphs);
  if (!argb) return;
  const int ox = x + 8, oy = y + (h - argb->h) / 2;
  SDL_LockSurface(argb);
  for (int j = 0; j < argb->h; ++j) {
    const int yy = oy + j;
    if (yy < std::max(0, y) || yy >= std::min(dst.Height(), y + h)) continue;
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + size_t(j) * argb->pitch);
    for (int i = 0; i < argb->w; ++i) {
      const int xx = ox + i;
      if (xx < std::max(0, x) || xx >= std::min(dst.Width(), x + w)) continue;
      const uint32_t p = row[i];
      const int a = int(p >> 24);
      if (a == 0) continue;
      const Pixel d = dst.Row(yy)[xx];
      auto mix = [a](int s, int b) { return (s * a + b * (255 - a)) / 255; };
      dst.Row(yy)[xx] = Rgb(mix(int((p >> 16) & 255), RedOf(d)), mix(int((p >> 8) & 255), GreenOf(d)),
                            mix(int(p & 255), BlueOf(d)));
    }
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
}

}  // namespace slidestone
