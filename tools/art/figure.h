// Figures: small vector drawings (ellipses, polygons, limbs, dots) that are rasterised into hard
// pixel cells with a dark outline around every part and three-tone shading lit from the top-left.
// Every sprite of the game is one or more figures, so poses, mirrored facings, toppling and
// turning come from transforms instead of hand-copied pixels.
#pragma once

#include <vector>

#include "graphics/sheet_frames.h"
#include "image.h"

namespace art {

struct V2 {
  float x = 0, y = 0;
};

// A colour ramp: the lit side, the body colour, the shaded side and a small gloss.
struct Tone {
  Rgb light, base, dark, gloss;
};
Tone MakeTone(Rgb base);              // light leans warm, shade leans to blue-violet
Tone FlatTone(Rgb c);                 // one colour everywhere

enum class Shape { Ellipse, Poly, Limb, Dot };

struct Part {
  Shape shape = Shape::Ellipse;
  V2 c;                 // ellipse centre
  float rx = 0, ry = 0;
  float angle = 0;      // ellipse rotation in degrees
  std::vector<V2> pts;  // polygon
  V2 a, b;              // limb end points
  float ra = 1, rb = 1; // limb radii at a and b
  Tone tone;
  bool outline = true;
  bool shaded = true;
  bool gloss = false;
};

class Figure {
 public:
  Figure& Ellipse(V2 c, float rx, float ry, Tone t, float angleDeg = 0);
  Figure& Circle(V2 c, float r, Tone t) { return Ellipse(c, r, r, t); }
  Figure& Poly(std::vector<V2> pts, Tone t);
  Figure& Box(float x0, float y0, float x1, float y1, Tone t);  // x1, y1 exclusive
  Figure& Limb(V2 a, V2 b, float r, Tone t, float rb = -1);
  Figure& Dot(V2 p, Rgb c);
  // Modifiers of the part added last.
  Figure& NoOutline();
  Figure& Flat();
  Figure& Gloss();
  // Appends all parts of another figure.
  Figure& Add(const Figure& other);

  const std::vector<Part>& Parts() const { return parts_; }

 private:
  std::vector<Part> parts_;
};

// Model to cell: screen = pivot + offset + R(angle) * S * F(model - pivot), F mirrors x.
struct Xform {
  V2 pivot{16, 32};
  float angle = 0;  // degrees, positive turns clockwise on screen
  bool flip = false;
  V2 offset{0, 0};
  float sx = 1, sy = 1;
};

constexpr Rgb kOutline{16, 16, 24};

// A drawing cell: colours plus coverage. Pixels never covered stay pure black.
class Canvas {
 public:
  Canvas(int w, int h) : img_(w, h), cov_(static_cast<size_t>(w) * h, false) {}
  void Draw(const Figure& f, const Xform& x = {}, Rgb outline = kOutline);
  // Paints one pixel as part of the sprite (used for hand-placed details).
  void Plot(int x, int y, Rgb c);
  // Rings everything drawn so far with a 1-pixel line.
  void Outline(Rgb c = kOutline);
  // Copies another canvas's drawing in at (dx, dy).
  void Paste(const Canvas& other, int dx, int dy);
  bool Covered(int x, int y) const { return img_.Inside(x, y) && cov_[y * img_.W() + x]; }
  int W() const { return img_.W(); }
  int H() const { return img_.H(); }
  // The sprite on pure black, and its mask: black where drawn, white elsewhere.
  Image Sprite() const;
  Image Mask() const;
  const Image& Colours() const { return img_; }

 private:
  Image img_;
  std::vector<bool> cov_;
};

// Draws the figure on a roomy canvas, then moves the drawing into a cell of w x h so that it
// stands on the bottom row and is centred across (used for toppling and leaning figures).
Canvas FitCell(const Figure& f, const Xform& xf, int w = 32, int h = 32, int shiftX = 0);

// Writes a sprite and its mask from one canvas, so the two always agree.
void PutSprite(Image& sheet, const Canvas& cv, int sx, int sy, int mx, int my);
// The same as cell n of a masked run of the game's sheets.
inline void PutSprite(Image& sheet, const Canvas& cv, const slidestone::SheetRun& run, int n = 0) {
  PutSprite(sheet, cv, run.X(n), run.Y(n), run.MaskX(n), run.MaskY(n));
}

}  // namespace art
