// PNG reading and writing: the game's own pictures straight from libpng, others through
// SDL_image.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "graphics/image_io.h"

namespace slidestone {

class SdlImageIO : public ImageIO {
 public:
  ~SdlImageIO() override;
  // Starts decoding these pictures on a thread of their own, so the work is done while the window
  // opens; Load then takes them from there. Only pictures libpng reads directly are decoded
  // early; anything else, and any failure, is left for Load to find and report as it would.
  void DecodeAhead(const std::vector<std::string>& paths);
  // Only PNG files load, and only after their header's size has been checked (ReadSize).
  bool Load(const std::string& path, Surface& out, std::string& error) override;
  bool ReadSize(const std::string& path, int& w, int& h, std::string& error) override;
  bool Save(const Surface& s, const std::string& path, std::string& error) override;
  // Writes the PNG to an open file (left open).
  bool SaveTo(const Surface& s, std::FILE* file, std::string& error);

 private:
  std::thread ahead_;
  std::map<std::string, Surface> decoded_;  // written by the thread until it is joined
};

// Any PNG SDL_image reads, as the sheets keep it (see DecodePng); the route for the pictures
// DecodePng leaves aside.
bool LoadThroughSdlImage(const std::string& path, Surface& out, std::string& error);

// The width and height a PNG's header claims; false when the bytes are not a PNG header.
bool PngHeaderSize(const unsigned char* bytes, size_t n, int& w, int& h);

}  // namespace slidestone
