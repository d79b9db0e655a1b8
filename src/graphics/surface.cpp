#include "graphics/surface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace slidestone {

namespace {

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
  // The source column of every destination column, worked out once rather than per pixel (the
  // columns only grow from left to right, so the first and last say whether all are inside).
  constexpr int kMaxColumns = 4096;
  const bool unstretched = sw == fullW;
  std::array<int, kMaxColumns> columns;
  const bool mapped = !unstretched && dw <= kMaxColumns;
  if (mapped) {
    for (int i = 0; i < dw; ++i) columns[size_t(i)] = sx + int((int64_t(ox + i) * sw) / fullW);
  }
  const int first = sx + int((int64_t(ox) * sw) / fullW), last = sx + int((int64_t(ox + dw - 1) * sw) / fullW);
  const bool columnsInside = first >= 0 && last < src.Width();
  for (int j = 0; j < dh; ++j) {
    const int yy = sy + int((int64_t(oy + j) * sh) / fullH);
    Pixel* out = dst.Row(dy + j) + dx;
    if (columnsInside && yy >= 0 && yy < src.Height() && (unstretched || mapped)) {
      const Pixel* in = src.Row(yy);
      if (unstretched) {
        in += first;
        for (int i = 0; i < dw; ++i) out[i] = op(out[i], in[i]);
      } else {
        for (int i = 0; i < dw; ++i) out[i] = op(out[i], in[columns[size_t(i)]]);
      }
      continue;
    }
    for (int i = 0; i < dw; ++i) {
      const int xx = sx + int((int64_t(ox + i) * sw) / fullW);
      out[i] = op(out[i], src.At(xx, yy));
    }
  }
  dst.MarkDrawn({dx, dy, dw, dh});
}

}  // namespace

namespace {

Rect Union(const Rect& a, const Rect& b) {
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
  return {x0, y0, x1 - x0, y1 - y0};
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

int64_t Area(const Rect& r) { return int64_t(r.w) * r.h; }

// Adds r to a list of at most N rectangles. One that overlaps a noted rectangle joins
// it, and so does anything the grown one then overlaps, so no pixel is listed twice; a new one
// gets a slot; when the slots run out it joins the one that grows least by it, so a figure at one
// end of the field and the stone at the other are never copied as one box.
template <size_t N>
void AddRect(std::array<Rect, N>& rects, int& count, Rect r) {
  for (int i = 0; i < count;) {
    if (Overlap(rects[size_t(i)], r)) {
      r = Union(rects[size_t(i)], r);
      rects[size_t(i)] = rects[size_t(--count)];
      i = 0;
      continue;
    }
    ++i;
  }
  if (count < int(N)) {
    rects[size_t(count++)] = r;
    return;
  }
  int best = 0;
  int64_t bestGrowth = INT64_MAX;
  for (int i = 0; i < count; ++i) {
    const int64_t growth = Area(Union(rects[size_t(i)], r)) - Area(rects[size_t(i)]);
    if (growth < bestGrowth) {
      best = i;
      bestGrowth = growth;
    }
  }
  r = Union(rects[size_t(best)], r);
  rects[size_t(best)] = rects[size_t(--count)];
  AddRect(rects, count, r);
}

}  // namespace

void ScreenState::Damage(const Rect& r) {
  ++version;
  if (!damage.all) AddRect(damage.rects, damage.count, r);
}

ScreenDamage ScreenState::TakeDamage() {
  ScreenDamage taken = damage;
  damage = ScreenDamage{};
  damage.all = false;
  return taken;
}

ScreenUnwatched::ScreenUnwatched(ScreenState& screen, bool unwatched)
    : screen_(screen), before_(screen.watched) {
  if (unwatched) screen.watched = false;
}

ScreenUnwatched::~ScreenUnwatched() { screen_.watched = before_; }

void Surface::Resize(int w, int h) {
  w_ = w;
  h_ = h;
  px_ = PixelBuffer(size_t(w) * h);
  if (window_) shown_ = PixelBuffer(px_.size());
  dirtyCount_ = 0;
  WholeImageChanged();
}

void Surface::Fill(Pixel p) {
  std::fill(px_.begin(), px_.end(), p);
  MarkDrawn({0, 0, w_, h_});
}

void Surface::MakeWindow(ScreenState* screen, int px, int py, bool vis) {
  window_ = true;
  screen_ = screen;
  x = px;
  y = py;
  visible = vis;
  shown_ = PixelBuffer(px_.size());
}

void Surface::MarkDrawn(const Rect& r) {
  if (r.Empty()) return;
  if (log_.log) log_.log->Add(r);
  // Nobody looking: nothing will be presented, so nothing is noted for it.
  if (!window_ || (screen_ && !screen_->watched)) return;
  AddRect(dirty_, dirtyCount_, r);
}

void Surface::Present() {
  if (!window_ || dirtyCount_ == 0) return;
  if (insideChild) TouchScreen();
  for (int i = 0; i < dirtyCount_; ++i) {
    const Rect& d = dirty_[size_t(i)];
    if (screen_) screen_->Damage({x + d.x, y + d.y, d.w, d.h});
    for (int j = d.y; j < d.y + d.h; ++j) {
      std::memcpy(shown_.data() + size_t(j) * size_t(w_) + size_t(d.x),
                  px_.data() + size_t(j) * size_t(w_) + size_t(d.x), size_t(d.w) * sizeof(Pixel));
    }
  }
  dirtyCount_ = 0;
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
  int ox, oy;
  int cx = dx, cy = dy, cw = w, ch = h;
  auto inside = [&](int x, int y) {
    return x + ox >= 0 && y + oy >= 0 && x + ox + cw <= sheet.Width() && y + oy + ch <= sheet.Height();
  };
  if (ClipDest(dst, cx, cy, cw, ch, ox, oy) && inside(mx, my) && inside(sx, sy) && &sheet != &dst) {
    // Both halves in one pass over the destination: AND with the mask, then XOR the sprite.
    for (int j = 0; j < ch; ++j) {
      Pixel* out = dst.Row(cy + j) + cx;
      const Pixel* mask = sheet.Row(my + oy + j) + mx + ox;
      const Pixel* sprite = sheet.Row(sy + oy + j) + sx + ox;
      for (int i = 0; i < cw; ++i) out[i] = ((out[i] & mask[i]) ^ sprite[i]) & 0xFFFFFFu;
    }
    dst.MarkDrawn({cx, cy, cw, ch});
    return;
  }
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
  const uint32_t a = uint32_t(alpha), k = uint32_t(keep);
  // Each channel is (src * alpha + dst * keep + 127) / 255. Red and blue are worked out side by
  // side in the two halves of one word (neither half passes 65,535), and x / 255 is
  // (x + 1 + (x >> 8)) >> 8, exactly, for every x the sum can take.
  StretchBlit(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, [a, k](Pixel d, Pixel s) {
    uint32_t rb = (s & 0xFF00FFu) * a + (d & 0xFF00FFu) * k + 0x7F007Fu;
    uint32_t g = ((s >> 8) & 0xFFu) * a + ((d >> 8) & 0xFFu) * k + 0x7Fu;
    rb = ((rb + 0x10001u + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
    g = ((g + 1u + (g >> 8)) >> 8) & 0xFFu;
    return Pixel(rb | (g << 8));
  });
}

}  // namespace slidestone
