// PNG reading and writing through SDL_image.
#pragma once

#include "graphics/image_io.h"

namespace slidestone {

class SdlImageIO : public ImageIO {
 public:
  bool Load(const std::string& path, Surface& out, std::string& error) override;
  bool Save(const Surface& s, const std::string& path, std::string& error) override;
};

}  // namespace slidestone
