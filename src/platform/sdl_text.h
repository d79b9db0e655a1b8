// Text fields drawn with a TrueType font (SDL_ttf): frosty white letters with a deep-blue shadow
// on a strip of dark ice with a bright rim, the look of the sheet of ice at night.
#pragma once

#include <string>
#include <vector>

#include "graphics/forms.h"

typedef struct _TTF_Font TTF_Font;

namespace slidestone {

class SdlTextPainter : public TextPainter {
 public:
  // fontPath: a .ttf file; without a usable font the strips are drawn without letters.
  // A text too long for its field is set in a smaller size, down to minPointSize.
  explicit SdlTextPainter(const std::string& fontPath, int pointSize = 18, int minPointSize = 11);
  ~SdlTextPainter() override;
  void Paint(Surface& dst, int x, int y, int w, int h, const std::string& text) override;
  // How many strips have been set in type so far (each text and size once while it is shown).
  int Renders() const { return renders_; }

 private:
  struct Strip {
    std::string text;
    int w = 0, h = 0;
    Surface pixels;
  };
  const Surface& StripFor(int w, int h, const std::string& text);
  std::vector<Strip> strips_;  // the latest first; the house screen shows three at a time
  int renders_ = 0;
  std::vector<TTF_Font*> fonts_;  // largest first
};

}  // namespace slidestone
