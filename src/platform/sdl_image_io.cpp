#include "platform/sdl_image_io.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

namespace slidestone {

bool SdlImageIO::Load(const std::string& path, Surface& out, std::string& error) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  if (!loaded) {
    error = IMG_GetError();
    return false;
  }
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) {
    error = SDL_GetError();
    return false;
  }
  out.Resize(argb->w, argb->h);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        size_t(y) * argb->pitch);
    Pixel* dst = out.Row(y);
    for (int x = 0; x < argb->w; ++x) {
      // Sheets are opaque; a transparent pixel counts as the black background.
      const uint32_t p = row[x];
      const uint32_t a = p >> 24;
      if (a == 255) {
        dst[x] = p & 0xFFFFFFu;
      } else {
        dst[x] = Rgb(int(((p >> 16) & 255) * a / 255), int(((p >> 8) & 255) * a / 255),
                     int((p & 255) * a / 255));
      }
    }
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return true;
}

bool SdlImageIO::Save(const Surface& s, const std::string& path, std::string& error) {
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s.Width(), s.Height(), 32,
                                                    SDL_PIXELFORMAT_ARGB8888);
  if (!out) {
    error = SDL_GetError();
    return false;
  }
  const std::vector<Pixel>& px = s.IsWindow() ? s.Shown() : s.Pixels();
  SDL_LockSurface(out);
  for (int y = 0; y < s.Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out->pixels) + size_t(y) * out->pitch);
    for (int x = 0; x < s.Width(); ++x) row[x] = 0xFF000000u | px[size_t(y) * s.Width() + x];
  }
  SDL_UnlockSurface(out);
  const bool ok = IMG_SavePNG(out, path.c_str()) == 0;
  if (!ok) error = IMG_GetError();
  SDL_FreeSurface(out);
  return ok;
}

}  // namespace slidestone
