#include "presentation/menu_words.h"

#include "graphics/surface.h"
#include "graphics/forms.h"

namespace slidestone {

void DrawSixDigits(Surface& dst, const Surface& words, int32_t value, int x0, int y) {
  int32_t v = value;
  for (int n = 5; n >= 0; --n) {
    // A digit of a negative number has no picture; its place stays as it was.
    KeyedCopy(dst, x0 + 32 * n, y, 32, kWordH, words, 32 * (v % 10), RowY(kRowDigitsBright));
    v /= 10;
    if (v == 0) break;
  }
}

void PaintHouseScreenBlack(HouseWindow& w) {
  for (int j = 0; j <= 5; ++j) Copy(w.canvas, 128 * j, 0, 128, 480, w.clear1, 0, 0);
}

}  // namespace slidestone
