#include "presentation/menu_words.h"

#include "graphics/surface.h"
#include "graphics/forms.h"

namespace slidestone {

void DrawSixDigits(Surface& dst, const Surface& words, int32_t value, int x0, int y) {
  int32_t v = value;
  for (int n = 5; n >= 0; --n) {
    // A digit of a negative number has no picture; its place stays as it was.
    KeyedFrame(dst, x0 + kMenuDigits.w * n, y, words, kMenuDigits.Row(kRowDigitsBright), v % 10);
    v /= 10;
    if (v == 0) break;
  }
}

void PaintHouseScreenBlack(HouseWindow& w) {
  const SheetRun& black = house_sheet::kBlackColumns;
  for (int j = 0; j <= 5; ++j) CopyFrame(w.canvas, black.w * j, 0, w.clear1, black);
}

}  // namespace slidestone
