#include "platform/sdl_image_io.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <fstream>

#include "platform/png_decode.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

// No picture of the game is anywhere near this; a header claiming more is refused unread.
constexpr int kMaxPictureSide = 8192;

}  // namespace

bool PngHeaderSize(const unsigned char* bytes, size_t n, int& w, int& h) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (n < 24 || std::memcmp(bytes, kSignature, 8) != 0 || std::memcmp(bytes + 12, "IHDR", 4) != 0) {
    return false;
  }
  auto be32 = [&](size_t at) {
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) |
           (uint32_t(bytes[at + 2]) << 8) | uint32_t(bytes[at + 3]);
  };
  const uint32_t width = be32(16), height = be32(20);
  w = width > uint32_t(INT32_MAX) ? INT32_MAX : int(width);
  h = height > uint32_t(INT32_MAX) ? INT32_MAX : int(height);
  return true;
}

bool SdlImageIO::ReadSize(const std::string& path, int& w, int& h, std::string& error) {
  // Only a regular file of a picture's size is opened at all: a pipe or a device would wait.
  if (!IsSaneFile(path, kPictureMaxBytes, error)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open the file";
    return false;
  }
  unsigned char header[24] = {};
  in.read(reinterpret_cast<char*>(header), sizeof header);
  if (!PngHeaderSize(header, size_t(in.gcount()), w, h)) {
    error = "not a PNG picture";
    return false;
  }
  return true;
}

namespace {

bool InMeasure(int w, int h) { return w >= 1 && h >= 1 && w <= kMaxPictureSide && h <= kMaxPictureSide; }

}  // namespace

SdlImageIO::~SdlImageIO() {
  if (ahead_.joinable()) ahead_.join();
}

void SdlImageIO::DecodeAhead(const std::vector<std::string>& paths) {
  if (ahead_.joinable()) ahead_.join();
  ahead_ = std::thread([this, paths] {
    for (const std::string& path : paths) {
      int w = 0, h = 0;
      std::string ignored;
      if (!ReadSize(path, w, h, ignored) || !InMeasure(w, h)) continue;
      Surface picture;
      if (DecodePng(path, picture, ignored) == PngDecoded::kDone) decoded_[path] = std::move(picture);
    }
  });
}

bool SdlImageIO::Load(const std::string& path, Surface& out, std::string& error) {
  if (ahead_.joinable()) ahead_.join();
  int w = 0, h = 0;
  if (!ReadSize(path, w, h, error)) return false;
  if (!InMeasure(w, h)) {
    error = "a picture of " + std::to_string(w) + "x" + std::to_string(h) + " pixels is out of all measure";
    return false;
  }
  if (auto early = decoded_.find(path); early != decoded_.end() && !out.IsWindow()) {
    out = std::move(early->second);
    decoded_.erase(early);
    return true;
  }
  switch (DecodePng(path, out, error)) {
    case PngDecoded::kDone: return true;
    case PngDecoded::kFailed: return false;
    case PngDecoded::kOtherKind: break;
  }
  return LoadThroughSdlImage(path, out, error);
}

bool LoadThroughSdlImage(const std::string& path, Surface& out, std::string& error) {
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  SDL_Surface* loaded = file ? IMG_LoadPNG_RW(file) : nullptr;
  if (file) SDL_RWclose(file);
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

namespace {

// The surface as an opaque ARGB SDL surface (nullptr with the reason on failure).
SDL_Surface* Opaque(const Surface& s, std::string& error) {
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s.Width(), s.Height(), 32,
                                                    SDL_PIXELFORMAT_ARGB8888);
  if (!out) {
    error = SDL_GetError();
    return nullptr;
  }
  const PixelBuffer& px = s.IsWindow() ? s.Shown() : s.Pixels();
  SDL_LockSurface(out);
  for (int y = 0; y < s.Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out->pixels) + size_t(y) * out->pitch);
    for (int x = 0; x < s.Width(); ++x) row[x] = 0xFF000000u | px[size_t(y) * s.Width() + x];
  }
  SDL_UnlockSurface(out);
  return out;
}

}  // namespace

bool SdlImageIO::Save(const Surface& s, const std::string& path, std::string& error) {
  SDL_Surface* out = Opaque(s, error);
  if (!out) return false;
  const bool ok = IMG_SavePNG(out, path.c_str()) == 0;
  if (!ok) error = IMG_GetError();
  SDL_FreeSurface(out);
  return ok;
}

bool SdlImageIO::SaveTo(const Surface& s, std::FILE* file, std::string& error) {
  SDL_Surface* out = Opaque(s, error);
  if (!out) return false;
  SDL_RWops* rw = SDL_RWFromFP(file, SDL_FALSE);
  const bool ok = rw && IMG_SavePNG_RW(out, rw, 0) == 0 && std::fflush(file) == 0;
  if (!ok) error = rw ? IMG_GetError() : SDL_GetError();
  if (rw) SDL_RWclose(rw);
  SDL_FreeSurface(out);
  return ok;
}

}  // namespace slidestone
