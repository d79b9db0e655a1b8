// Decoding the game's own pictures (8-bit RGB or RGBA PNG) straight into a surface, without the
// detours of a general loader: no intermediate picture, no format conversion, one pass.
#pragma once

#include <string>

#include "graphics/surface.h"

namespace slidestone {

enum class PngDecoded {
  kDone,        // out holds the picture
  kOtherKind,   // a PNG this decoder leaves to the general loader (palette, grey, 16-bit, tRNS)
  kFailed,      // unreadable: error says why
};

// Pixels come out as the sheets keep them: opaque 0x00RRGGBB, and a pixel that is not fully
// opaque darkened toward black by its alpha (a transparent one is black).
PngDecoded DecodePng(const std::string& path, Surface& out, std::string& error);

}  // namespace slidestone
