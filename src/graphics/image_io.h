// Reading and writing PNG pictures; the platform provides it.
#pragma once

#include <string>

#include "graphics/surface.h"

namespace slidestone {

class ImageIO {
 public:
  virtual ~ImageIO() = default;
  // Loads a picture into a plain (non-window) surface of its own size.
  virtual bool Load(const std::string& path, Surface& out, std::string& error) = 0;
  // The picture's size from its header alone, so a wrong or huge one is refused before it is
  // decoded. w and h stay -1 when the reader cannot tell without decoding.
  virtual bool ReadSize(const std::string& path, int& w, int& h, std::string& error) {
    (void)path, (void)error;
    w = h = -1;
    return true;
  }
  // Writes a surface as PNG: the shown picture for window surfaces, else the image.
  virtual bool Save(const Surface& s, const std::string& path, std::string& error) = 0;
};

}  // namespace slidestone
