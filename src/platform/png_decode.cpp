#include "platform/png_decode.h"

#include <png.h>

#include <bit>
#include <cstdio>
#include <vector>

namespace slidestone {

namespace {

struct Reader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::FILE* file = nullptr;
  char message[200] = {};
  bool alpha = false;
  std::vector<png_bytep> rows;
  ~Reader() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (file) std::fclose(file);
  }
};

void OnError(png_structp png, png_const_charp text) {
  auto* r = static_cast<Reader*>(png_get_error_ptr(png));
  std::snprintf(r->message, sizeof r->message, "%s", text);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// The libpng calls, kept free of objects with destructors: a decoding error jumps straight back
// out of here to Decode.
PngDecoded Read(Reader& r, Surface& out) {
  png_init_io(r.png, r.file);
  png_read_info(r.png, r.info);
  png_uint_32 w = 0, h = 0;
  int depth = 0, colour = 0;
  png_get_IHDR(r.png, r.info, &w, &h, &depth, &colour, nullptr, nullptr, nullptr);
  if (depth != 8 || (colour != PNG_COLOR_TYPE_RGB && colour != PNG_COLOR_TYPE_RGB_ALPHA) ||
      png_get_valid(r.png, r.info, PNG_INFO_tRNS)) {
    return PngDecoded::kOtherKind;
  }
  r.alpha = colour == PNG_COLOR_TYPE_RGB_ALPHA;
  // Bytes B, G, R and then alpha or a zero filler: read as a little-endian word, 0xAARRGGBB.
  png_set_bgr(r.png);
  if (!r.alpha) png_set_filler(r.png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(r.png);
  png_read_update_info(r.png, r.info);
  out.Resize(int(w), int(h));
  r.rows.resize(h);
  for (png_uint_32 y = 0; y < h; ++y) r.rows[y] = reinterpret_cast<png_bytep>(out.Row(int(y)));
  png_read_image(r.png, r.rows.data());
  png_read_end(r.png, nullptr);
  return PngDecoded::kDone;
}

PngDecoded Decode(Reader& r, Surface& out) {
  if (setjmp(png_jmpbuf(r.png))) return PngDecoded::kFailed;
  return Read(r, out);
}

}  // namespace

PngDecoded DecodePng(const std::string& path, Surface& out, std::string& error) {
  static_assert(sizeof(Pixel) == 4, "one pixel is one 32-bit word");
  if constexpr (std::endian::native != std::endian::little) return PngDecoded::kOtherKind;
  Reader r;
  r.file = std::fopen(path.c_str(), "rb");
  if (!r.file) {
    error = "cannot open the file";
    return PngDecoded::kFailed;
  }
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, OnError, OnWarning);
  if (r.png) r.info = png_create_info_struct(r.png);
  if (!r.png || !r.info) {
    error = "out of memory";
    return PngDecoded::kFailed;
  }
  const PngDecoded result = Decode(r, out);
  if (result == PngDecoded::kFailed) {
    error = r.message;
    return result;
  }
  if (result == PngDecoded::kDone && r.alpha) {
    for (Pixel& p : out.Pixels()) {
      const uint32_t a = p >> 24;
      p = a == 255 ? p & 0xFFFFFFu
                   : Rgb(int(((p >> 16) & 255) * a / 255), int(((p >> 8) & 255) * a / 255), int((p & 255) * a / 255));
    }
  }
  return result;
}

}  // namespace slidestone
