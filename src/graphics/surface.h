// Surfaces and the four drawing operations every picture of the game is built from.
//
// A surface is a 32-bit XRGB image in plain memory (0x00RRGGBB). Sheets hold fixed pictures,
// work surfaces are scratch images, and window surfaces are what the player sees: they keep an
// image that steps draw into and a shown copy that only Present() updates, so no half-drawn frame
// is ever on screen.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "graphics/sheet_frames.h"

namespace slidestone {

using Pixel = uint32_t;  // 0x00RRGGBB

// Storage for pictures that starts as memory the system hands out already cleared and untouched:
// a surface made but not drawn on yet (the stage screen's while the menus show) takes no room,
// and no picture is cleared twice. A new buffer is always a fresh allocation, so it is zero.
template <typename T>
struct ZeroedAllocator {
  using value_type = T;
  ZeroedAllocator() = default;
  template <typename U>
  ZeroedAllocator(const ZeroedAllocator<U>&) {}
  T* allocate(size_t n) {
    if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
    throw std::bad_alloc();
  }
  void deallocate(T* p, size_t) { std::free(p); }
  // Making an element with no value writes nothing: fresh memory from calloc is zero already.
  // Only a new buffer is ever made that way (Surface::Resize), never a reused one.
  template <typename U>
  void construct(U*) noexcept {}
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  bool operator==(const ZeroedAllocator<U>&) const { return true; }
};
using PixelBuffer = std::vector<Pixel, ZeroedAllocator<Pixel>>;

constexpr Pixel Rgb(int r, int g, int b) {
  return (Pixel(r & 255) << 16) | (Pixel(g & 255) << 8) | Pixel(b & 255);
}
constexpr int RedOf(Pixel p) { return (p >> 16) & 255; }
constexpr int GreenOf(Pixel p) { return (p >> 8) & 255; }
constexpr int BlueOf(Pixel p) { return p & 255; }

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Empty() const { return w <= 0 || h <= 0; }
};

// The rectangles drawn into a surface while a log is attached (see Surface::AttachDrawLog).
// When more were drawn than it holds it says so, and whoever reads it must treat the whole
// surface as drawn.
struct DrawLog {
  static constexpr int kCapacity = 48;
  std::array<Rect, kCapacity> rects{};
  int count = 0;
  bool overflowed = false;
  void Clear() { count = 0; overflowed = false; }
  void Add(const Rect& r) {
    // A masked pair draws the same rectangle twice in a row: noted once.
    if (count > 0) {
      const Rect& last = rects[size_t(count - 1)];
      if (last.x == r.x && last.y == r.y && last.w == r.w && last.h == r.h) return;
    }
    if (count < kCapacity) {
      rects[size_t(count++)] = r;
    } else {
      overflowed = true;
    }
  }
};

// Where on the 640x480 screen things may have changed since the window last took the list: the
// rectangles presented surfaces copied, or "everything" after any other change (a form or
// surface shown, hidden or moved, a text changed) or when too many rectangles came together.
struct ScreenDamage {
  static constexpr int kMaxRects = 16;
  std::array<Rect, kMaxRects> rects{};
  int count = 0;
  bool all = true;
};

// What one screen (a set of windows, graphics/forms.h) keeps about being shown. Each game owns
// its own: the stage editor's screen and the screen of the game it test-plays never mix.
struct ScreenState {
  // Bumped whenever something on screen may have changed (a present that copied pixels, a
  // surface shown, hidden or moved, a form shown, a text changed). The window uploads a frame
  // only then.
  uint64_t version = 1;
  ScreenDamage damage;  // starts as "everything"
  // False while nobody looks at the screen: a headless run that takes no pictures never composes
  // one, so what is drawn is not noted for presenting, presenting copies nothing and notes no
  // damage, and the shown pictures are left behind. Only for a whole run (ScreenUnwatched): a
  // screen watched again afterwards would show stale pictures.
  bool watched = true;

  // Something other than presented pixels changed: the whole screen is damaged.
  void Touch() {
    ++version;
    damage.all = true;
  }
  // Presented pixels changed in r (screen coordinates).
  void Damage(const Rect& r);
  // Hands over the damage gathered so far and starts a new, empty list.
  ScreenDamage TakeDamage();
};

// The screen goes unwatched for as long as one of these lives (see ScreenState::watched).
class ScreenUnwatched {
 public:
  ScreenUnwatched(ScreenState& screen, bool unwatched);
  ~ScreenUnwatched();
  ScreenUnwatched(const ScreenUnwatched&) = delete;
  ScreenUnwatched& operator=(const ScreenUnwatched&) = delete;

 private:
  ScreenState& screen_;
  bool before_;
};

class Surface {
 public:
  Surface() = default;
  Surface(int w, int h) { Resize(w, h); }
  void Resize(int w, int h);

  int Width() const { return w_; }
  int Height() const { return h_; }
  // Outside the image reads black and writes go nowhere.
  Pixel At(int px, int py) const {
    return (px < 0 || py < 0 || px >= w_ || py >= h_) ? 0 : px_[size_t(py) * w_ + px];
  }
  Pixel* Row(int py) { return px_.data() + size_t(py) * w_; }
  const Pixel* Row(int py) const { return px_.data() + size_t(py) * w_; }
  PixelBuffer& Pixels() { return px_; }
  const PixelBuffer& Pixels() const { return px_; }
  void Fill(Pixel p);
  // Exchanges the images of two plain surfaces of the same size (no copying).
  void SwapImage(Surface& other) {
    px_.swap(other.px_);
    WholeImageChanged();
    other.WholeImageChanged();
  }
  // While attached, every rectangle drawn into the image is also noted in the log; a whole new
  // image (resized or swapped) marks it overflowed. A copy of a surface starts with none.
  void AttachDrawLog(DrawLog* log) { log_.log = log; }
  const DrawLog* AttachedDrawLog() const { return log_.log; }

  // Window surfaces: the picture on screen, updated only by Present().
  bool IsWindow() const { return window_; }
  // A window surface of `screen`: what it presents, and its being shown, hidden or moved, change
  // that screen.
  void MakeWindow(ScreenState* screen, int x, int y, bool visible);
  // A window surface copied into another set of windows joins that set's screen.
  void JoinScreen(ScreenState* screen) {
    if (window_) screen_ = screen;
  }
  // This surface's place or visibility changed (no-op for a surface of no screen).
  void TouchScreen() {
    if (screen_) screen_->Touch();
  }
  const PixelBuffer& Shown() const { return shown_; }
  // Copies what was drawn since the last present into the shown picture. Costs nothing when
  // nothing was drawn, and only the drawn rectangles when a few small things moved.
  void Present();
  void MarkDrawn(const Rect& r);

  // Position inside the parent surface, and visibility (window surfaces only). A surface that
  // sits inside another child surface does not know its place on the screen: what it presents
  // counts as a change anywhere.
  int x = 0, y = 0;
  bool visible = true;
  bool insideChild = false;

 private:
  int w_ = 0, h_ = 0;
  PixelBuffer px_;
  bool window_ = false;
  ScreenState* screen_ = nullptr;
  PixelBuffer shown_;
  // Drawn since the last present, in this surface's coordinates: a few separate rectangles, so
  // a figure at one end of the field and the stone at the other are not copied as one box.
  static constexpr int kDirtyRects = 16;
  std::array<Rect, kDirtyRects> dirty_{};
  int dirtyCount_ = 0;
  struct LogLink {
    DrawLog* log = nullptr;
    LogLink() = default;
    LogLink(const LogLink&) {}
    LogLink& operator=(const LogLink&) {
      log = nullptr;
      return *this;
    }
  } log_;
  void WholeImageChanged() {
    if (log_.log) log_.log->overflowed = true;
  }
};

// --- The four drawing operations. All clip at the destination; source pixels outside the
// source read as black. -----------------------------------------------------------------------

// Opaque copy of a w x h rectangle.
void Copy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy);
// dst = dst AND src (the mask half of a masked pair).
void AndCopy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy);
// dst = dst XOR src (the sprite half of a masked pair).
void XorCopy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy);
// Mask (mx, my) with AND, then sprite (sx, sy) with XOR, both from the same sheet.
void MaskedPair(Surface& dst, int dx, int dy, int w, int h, const Surface& sheet, int mx, int my,
                int sx, int sy);
// Copies every source pixel that is not exactly black; stretches (nearest neighbour) when the
// two rectangles differ in size.
void KeyedCopy(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
               int sw, int sh);
inline void KeyedCopy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx,
                      int sy) {
  KeyedCopy(dst, dx, dy, w, h, src, sx, sy, w, h);
}
// Cell n of a run of a sheet (graphics/sheet_frames.h) at (dx, dy): copied, copied but for its
// black, or as a masked pair with its mask.
inline void CopyFrame(Surface& dst, int dx, int dy, const Surface& sheet, const SheetRun& run, int n = 0) {
  Copy(dst, dx, dy, run.w, run.h, sheet, run.X(n), run.Y(n));
}
inline void KeyedFrame(Surface& dst, int dx, int dy, const Surface& sheet, const SheetRun& run, int n = 0) {
  KeyedCopy(dst, dx, dy, run.w, run.h, sheet, run.X(n), run.Y(n));
}
inline void MaskedFrame(Surface& dst, int dx, int dy, const Surface& sheet, const SheetRun& run, int n = 0) {
  MaskedPair(dst, dx, dy, run.w, run.h, sheet, run.MaskX(n), run.MaskY(n), run.X(n), run.Y(n));
}
// Constant-alpha blend of the source over the destination:
// channel = src * alpha / 255 + dst * (255 - alpha) / 255, stretched like KeyedCopy.
void Shade(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
           int sw, int sh, int alpha);

}  // namespace slidestone
