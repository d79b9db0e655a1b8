#include "graphics/blend.h"

#include <algorithm>


namespace slidestone {

int GetPixels(const Surface& s, std::vector<uint32_t>& pixels) {
  if (pixels.size() != s.Pixels().size()) return -1;
  std::copy(s.Pixels().begin(), s.Pixels().end(), pixels.begin());
  return 0;
}

int SetPixels(Surface& s, const std::vector<uint32_t>& pixels) {
  if (pixels.size() != s.Pixels().size()) return -1;
  std::copy(pixels.begin(), pixels.end(), s.Pixels().begin());
  s.MarkDrawn({0, 0, s.Width(), s.Height()});
  s.Present();
  return 0;
}

void BlendCell(StageWindow& f, int col, int row, const SheetRun& look, int n) {
  // Only ever 32 x 32: these live for the call, as the blend runs only when a tile changes.
  static thread_local std::vector<uint32_t> overlay(32 * 32), base(32 * 32);
  CopyFrame(f.blendOverlay, 0, 0, f.overlaySheet, look, n);
  GetPixels(f.blendOverlay, overlay);
  Copy(f.blendBase, 0, 0, 32, 32, f.backdrop, 32 * col, 32 * row);
  GetPixels(f.blendBase, base);
  for (size_t i = 0; i < base.size(); ++i) {
    const uint32_t b = base[i], o = overlay[i];
    const int r = std::min(255, RedOf(b) + RedOf(o));
    const int gr = std::min(255, GreenOf(b) + GreenOf(o));
    const int bl = std::min(255, BlueOf(b) + BlueOf(o));
    base[i] = Rgb(r, gr, bl) | (b & 0xFF000000u);
  }
  SetPixels(f.blendBase, base);
  Copy(f.field, 32 * col, 32 * row, 32, 32, f.blendBase, 0, 0);
  Copy(f.cleanField, 32 * col, 32 * row, 32, 32, f.blendBase, 0, 0);
}

}  // namespace slidestone
