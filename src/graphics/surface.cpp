#include "graphics/surface.h"

#include <algorithm>
#include <cstring>

namespace slidestone {

namespace {

uint64_t g_screenVersion = 1;

// Clips a w x h destination rectangle at (dx, dy) to the destination surface. Returns the
// clipped rectangle and the offset of its top-left corner from the unclipped one.
bool ClipDest(const Surface& dst, int& dx, int& dy, int& w, int& h, int& ox, int& oy) {
  ox = oy = 0;
  if (dx < 0) { ox = -dx; w += dx; dx = 0; }
  if (dy < 0) { oy = -dy; h += dy; dy = 0; }
  w = std::min(w, dst.Width() - dx);
  h = std::min(h, dst.Height() - dy);
  return w > 0 && h > 0;
}

template <typename Op>
void Blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Op op) {
  int ox, oy;
  if (!ClipDest(dst, dx, dy, w, h, ox, oy)) return;
  sx += ox;
  sy += oy;
  for (int j = 0; j < h; ++j) {
    Pixel* out = dst.Row(dy + j) + dx;
    const int yy = sy + j;
    if (yy >= 0 && yy < src.Height() && sx >= 0 && sx + w <= src.Width()) {
      const Pixel* in = src.Row(yy) + sx;
      for (int i = 0; i < w; ++i) out[i] = op(out[i], in[i]);
    } else {
      for (int i = 0; i < w; ++i) out[i] = op(out[i], src.At(sx + i, yy));
    }
  }
  dst.MarkDrawn({dx, dy, w, h});
}

template <typename Op>
void StretchBlit(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                 int sw, int sh, Op op) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const int fullW = dw, fullH = dh;
  int ox, oy;
  if (!ClipDest(dst, dx, dy, dw, dh, ox, oy)) return;
  for (int j = 0; j < dh; ++j) {
    const int yy = sy + int((int64_t(oy + j) * sh) / fullH);
    Pixel* out = dst.Row(dy + j) + dx;
    for (int i = 0; i < dw; ++i) {
      const int xx = sx + int((int64_t(ox + i) * sw) / fullW);
      out[i] = op(out[i], src.At(xx, yy));
    }
  }
  dst.MarkDrawn({dx, dy, dw, dh});
}

}  // namespace

uint64_t ScreenVersion() { return g_screenVersion; }
void TouchScreen() { ++g_screenVersion; }

void Surface::Resize(int w, int h) {
  w_ = w;
  h_ = h;
  px_.assign(size_t(w) * h, 0);
  if (window_) shown_.assign(px_.size(), 0);
  dirty_ = {};
}

void Surface::Fill(Pixel p) {
  std::fill(px_.begin(), px_.end(), p);
  MarkDrawn({0, 0, w_, h_});
}

void Surface::MakeWindow(int px, int py, bool vis) {
  window_ = true;
  x = px;
  y = py;
  visible = vis;
  shown_.assign(px_.size(), 0);
}

void Surface::MarkDrawn(const Rect& r) {
  if (!window_ || r.Empty()) return;
  if (dirty_.Empty()) {
    dirty_ = r;
    return;
  }
  const int x0 = std::min(dirty_.x, r.x), y0 = std::min(dirty_.y, r.y);
  const int x1 = std::max(dirty_.x + dirty_.w, r.x + r.w);
  const int y1 = std::max(dirty_.y + dirty_.h, r.y + r.h);
  dirty_ = {x0, y0, x1 - x0, y1 - y0};
}

void Surface::Present() {
  if (!window_ || dirty_.Empty()) return;
  for (int j = dirty_.y; j < dirty_.y + dirty_.h; ++j) {
    std::memcpy(shown_.data() + size_t(j) * w_ + dirty_.x, px_.data() + size_t(j) * w_ + dirty_.x,
                size_t(dirty_.w) * sizeof(Pixel));
  }
  dirty_ = {};
  TouchScreen();
}

void Copy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  int ox, oy;
  int cx = dx, cy = dy, cw = w, ch = h;
  if (ClipDest(dst, cx, cy, cw, ch, ox, oy) && sx + ox >= 0 && sy + oy >= 0 &&
      sx + ox + cw <= src.Width() && sy + oy + ch <= src.Height() && &src != &dst) {
    // The common case, a rectangle wholly inside both surfaces: row by row.
    for (int j = 0; j < ch; ++j) {
      std::memcpy(dst.Row(cy + j) + cx, src.Row(sy + oy + j) + sx + ox, size_t(cw) * sizeof(Pixel));
    }
    dst.MarkDrawn({cx, cy, cw, ch});
    return;
  }
  Blit(dst, dx, dy, w, h, src, sx, sy, [](Pixel, Pixel s) { return s; });
}

void AndCopy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  Blit(dst, dx, dy, w, h, src, sx, sy, [](Pixel d, Pixel s) { return d & s; });
}

void XorCopy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  Blit(dst, dx, dy, w, h, src, sx, sy, [](Pixel d, Pixel s) { return (d ^ s) & 0xFFFFFFu; });
}

void MaskedPair(Surface& dst, int dx, int dy, int w, int h, const Surface& sheet, int mx, int my,
                int sx, int sy) {
  AndCopy(dst, dx, dy, w, h, sheet, mx, my);
  XorCopy(dst, dx, dy, w, h, sheet, sx, sy);
}

void KeyedCopy(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
               int sw, int sh) {
  if (dw == sw && dh == sh) {
    Blit(dst, dx, dy, dw, dh, src, sx, sy, [](Pixel d, Pixel s) { return (s & 0xFFFFFFu) == 0 ? d : s; });
    return;
  }
  StretchBlit(dst, dx, dy, dw, dh, src, sx, sy, sw, sh,
              [](Pixel d, Pixel s) { return (s & 0xFFFFFFu) == 0 ? d : s; });
}

void Shade(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
           int sw, int sh, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  const int keep = 255 - alpha;
  StretchBlit(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, [alpha, keep](Pixel d, Pixel s) {
    auto mix = [&](int sc, int dc) { return (sc * alpha + dc * keep + 127) / 255; };
    return Rgb(mix(RedOf(s), RedOf(d)), mix(GreenOf(s), GreenOf(d)), mix(BlueOf(s), BlueOf(d)));
  });
}

}  // namespace slidestone
