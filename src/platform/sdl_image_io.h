// PNG reading and writing through SDL_image.
#pragma once

#include <cstdio>

#include "graphics/image_io.h"

namespace slidestone {

class SdlImageIO : public ImageIO {
 public:
  // Only PNG files load, and only after their header's size has been checked (ReadSize).
  bool Load(const std::string& path, Surface& out, std::string& error) override;
  bool ReadSize(const std::string& path, int& w, int& h, std::string& error) override;
  bool Save(const Surface& s, const std::string& path, std::string& error) override;
  // Writes the PNG to an open file (left open).
  bool SaveTo(const Surface& s, std::FILE* file, std::string& error);
};

// The width and height a PNG's header claims; false when the bytes are not a PNG header.
bool PngHeaderSize(const unsigned char* bytes, size_t n, int& w, int& h);

}  // namespace slidestone
