// Text fields drawn with a TrueType font (SDL_ttf): light letters on a dark ice-blue strip.
#pragma once

#include <string>

#include "graphics/forms.h"

typedef struct _TTF_Font TTF_Font;

namespace slidestone {

class SdlTextPainter : public TextPainter {
 public:
  // fontPath: a .ttf file; without a usable font the strips are drawn without letters.
  explicit SdlTextPainter(const std::string& fontPath, int pointSize = 18);
  ~SdlTextPainter() override;
  void Paint(Surface& dst, int x, int y, int w, int h, const std::string& text) override;

 private:
  TTF_Font* font_ = nullptr;
};

}  // namespace slidestone
