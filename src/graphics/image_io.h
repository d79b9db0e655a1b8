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
  // Writes a surface as PNG: the shown picture for window surfaces, else the image.
  virtual bool Save(const Surface& s, const std::string& path, std::string& error) = 0;
};

}  // namespace slidestone
