#include "figure.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr float kPi = 3.14159265f;
// Light comes from the top-left of the screen.
constexpr V2 kLight{-0.55f, -0.835f};

V2 Rot(V2 v, float deg) {
  const float r = deg * kPi / 180.f, c = std::cos(r), s = std::sin(r);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

bool InPoly(const std::vector<V2>& p, V2 q) {
  bool in = false;
  for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    if ((p[i].y > q.y) != (p[j].y > q.y) &&
        q.x < (p[j].x - p[i].x) * (q.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
      in = !in;
  }
  return in;
}

// Whether model point q lies inside the part; n receives a surface normal (length up to 1).
bool Hit(const Part& p, V2 q, V2& n) {
  switch (p.shape) {
    case Shape::Ellipse: {
      V2 d = Rot({q.x - p.c.x, q.y - p.c.y}, -p.angle);
      V2 u{d.x / p.rx, d.y / p.ry};
      if (u.x * u.x + u.y * u.y > 1.f) return false;
      n = Rot(u, p.angle);
      return true;
    }
    case Shape::Poly: {
      if (!InPoly(p.pts, q)) return false;
      float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
      for (V2 v : p.pts) {
        x0 = std::min(x0, v.x), y0 = std::min(y0, v.y), x1 = std::max(x1, v.x), y1 = std::max(y1, v.y);
      }
      const float hx = std::max(0.5f, (x1 - x0) / 2), hy = std::max(0.5f, (y1 - y0) / 2);
      n = {(q.x - (x0 + x1) / 2) / hx * 0.8f, (q.y - (y0 + y1) / 2) / hy * 0.8f};
      return true;
    }
    case Shape::Limb: {
      V2 ab{p.b.x - p.a.x, p.b.y - p.a.y};
      const float len2 = ab.x * ab.x + ab.y * ab.y;
      float t = len2 > 0 ? ((q.x - p.a.x) * ab.x + (q.y - p.a.y) * ab.y) / len2 : 0;
      t = std::clamp(t, 0.f, 1.f);
      V2 cpt{p.a.x + ab.x * t, p.a.y + ab.y * t};
      const float r = p.ra + (p.rb - p.ra) * t;
      V2 d{q.x - cpt.x, q.y - cpt.y};
      if (d.x * d.x + d.y * d.y > r * r) return false;
      n = {d.x / r, d.y / r};
      return true;
    }
    case Shape::Dot:
      return false;
  }
  return false;
}

}  // namespace

Tone MakeTone(Rgb b) {
  return {Mix(b, Rgb{255, 250, 225}, 0.36f), b, Mix(Scale(b, 0.72f), Rgb{52, 40, 110}, 0.2f),
          Mix(b, kWhite, 0.75f)};
}

Tone FlatTone(Rgb c) { return {c, c, c, c}; }

Figure& Figure::Ellipse(V2 c, float rx, float ry, Tone t, float angleDeg) {
  Part p;
  p.shape = Shape::Ellipse, p.c = c, p.rx = rx, p.ry = ry, p.angle = angleDeg, p.tone = t;
  parts_.push_back(p);
  return *this;
}

Figure& Figure::Poly(std::vector<V2> pts, Tone t) {
  Part p;
  p.shape = Shape::Poly, p.pts = std::move(pts), p.tone = t;
  parts_.push_back(p);
  return *this;
}

Figure& Figure::Box(float x0, float y0, float x1, float y1, Tone t) {
  return Poly({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, t);
}

Figure& Figure::Limb(V2 a, V2 b, float r, Tone t, float rb) {
  Part p;
  p.shape = Shape::Limb, p.a = a, p.b = b, p.ra = r, p.rb = rb < 0 ? r : rb, p.tone = t;
  parts_.push_back(p);
  return *this;
}

Figure& Figure::Dot(V2 c, Rgb col) {
  Part p;
  p.shape = Shape::Dot, p.c = c, p.tone = FlatTone(col), p.outline = false;
  parts_.push_back(p);
  return *this;
}

Figure& Figure::NoOutline() {
  parts_.back().outline = false;
  return *this;
}
Figure& Figure::Flat() {
  parts_.back().shaded = false;
  return *this;
}
Figure& Figure::Gloss() {
  parts_.back().gloss = true;
  return *this;
}
Figure& Figure::Add(const Figure& o) {
  parts_.insert(parts_.end(), o.parts_.begin(), o.parts_.end());
  return *this;
}

void Canvas::Plot(int x, int y, Rgb c) {
  if (!img_.Inside(x, y)) return;
  img_.Set(x, y, NotBlack(c));
  cov_[y * img_.W() + x] = true;
}

void Canvas::Draw(const Figure& f, const Xform& xf, Rgb outline) {
  const int w = img_.W(), h = img_.H();
  std::vector<uint8_t> hit(static_cast<size_t>(w) * h);
  std::vector<V2> nrm(hit.size());
  for (const Part& p : f.Parts()) {
    if (p.shape == Shape::Dot) {
      V2 m{(p.c.x - xf.pivot.x) * (xf.flip ? -xf.sx : xf.sx), (p.c.y - xf.pivot.y) * xf.sy};
      V2 s = Rot(m, xf.angle);
      Plot(static_cast<int>(std::floor(xf.pivot.x + xf.offset.x + s.x)),
           static_cast<int>(std::floor(xf.pivot.y + xf.offset.y + s.y)), p.tone.base);
      continue;
    }
    std::fill(hit.begin(), hit.end(), 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        // Screen pixel centre back to model space.
        V2 s{float(x) + 0.5f - xf.pivot.x - xf.offset.x, float(y) + 0.5f - xf.pivot.y - xf.offset.y};
        V2 m = Rot(s, -xf.angle);
        m = {m.x / (xf.flip ? -xf.sx : xf.sx) + xf.pivot.x, m.y / xf.sy + xf.pivot.y};
        V2 n;
        if (!Hit(p, m, n)) continue;
        if (xf.flip) n.x = -n.x;
        nrm[y * w + x] = Rot(n, xf.angle);
        hit[y * w + x] = 1;
      }
    if (p.outline) {
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          if (hit[y * w + x]) continue;
          const bool ring = (x > 0 && hit[y * w + x - 1]) || (x + 1 < w && hit[y * w + x + 1]) ||
                            (y > 0 && hit[(y - 1) * w + x]) || (y + 1 < h && hit[(y + 1) * w + x]);
          if (!ring) continue;
          // Over another part the line is a deep shade of it; at the silhouette it is the outline.
          Plot(x, y, cov_[y * w + x] ? Mix(img_.Get(x, y), outline, 0.6f) : outline);
        }
    }
    for (int i = 0; i < w * h; ++i) {
      if (!hit[i]) continue;
      Rgb c = p.tone.base;
      if (p.shaded) {
        const V2 n = nrm[i];
        const float l = n.x * kLight.x + n.y * kLight.y;
        if (p.gloss && l > 0.72f) c = p.tone.gloss;
        else if (l > 0.33f) c = p.tone.light;
        else if (l < -0.42f) c = p.tone.dark;
      }
      Plot(i % w, i / w, c);
    }
  }
}

void Canvas::Outline(Rgb c) {
  const int w = W(), h = H();
  std::vector<bool> ring(cov_.size(), false);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (!Covered(x, y) && (Covered(x - 1, y) || Covered(x + 1, y) || Covered(x, y - 1) || Covered(x, y + 1)))
        ring[y * w + x] = true;
  for (int i = 0; i < w * h; ++i)
    if (ring[i]) Plot(i % w, i / w, c);
}

void Canvas::Paste(const Canvas& o, int dx, int dy) {
  for (int y = 0; y < o.H(); ++y)
    for (int x = 0; x < o.W(); ++x)
      if (o.Covered(x, y)) Plot(x + dx, y + dy, o.img_.Get(x, y));
}

Canvas FitCell(const Figure& f, const Xform& xf, int w, int h, int shiftX) {
  constexpr int kRoom = 24;
  Canvas big(w + 2 * kRoom, h + 2 * kRoom);
  Xform moved = xf;
  moved.offset.x += kRoom, moved.offset.y += kRoom;
  big.Draw(f, moved);
  int x0 = big.W(), x1 = -1, y1 = -1;
  for (int y = 0; y < big.H(); ++y)
    for (int x = 0; x < big.W(); ++x)
      if (big.Covered(x, y)) x0 = std::min(x0, x), x1 = std::max(x1, x), y1 = std::max(y1, y);
  Canvas out(w, h);
  if (x1 < 0) return out;
  int dx = (w - (x1 - x0 + 1)) / 2 - x0 + shiftX;
  if (x1 - x0 < w) dx = std::clamp(dx, -x0, w - 1 - x1);
  out.Paste(big, dx, (h - 1) - y1);
  return out;
}

Image Canvas::Sprite() const {
  Image out(W(), H());
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x)
      if (Covered(x, y)) out.Set(x, y, NotBlack(img_.Get(x, y)));
  return out;
}

Image Canvas::Mask() const {
  Image out(W(), H(), kWhite);
  for (int y = 0; y < H(); ++y)
    for (int x = 0; x < W(); ++x)
      if (Covered(x, y)) out.Set(x, y, kBlack);
  return out;
}

void PutSprite(Image& sheet, const Canvas& cv, int sx, int sy, int mx, int my) {
  sheet.BlitAll(cv.Sprite(), sx, sy);
  sheet.BlitAll(cv.Mask(), mx, my);
}

}  // namespace art
