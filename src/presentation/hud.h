// Pieces of the head-up display shared by the stage loader and the display steps.
#pragma once

#include <cstdint>

namespace slidestone {

struct Model;
struct StageWindow;

// The number shown for the tool points: the small font has single digits only, so 99 is the
// most two cells can say.
int32_t ShownToolPoints(int32_t points);
// One small green digit of the time sheet (16 x 32) as a masked pair at (x, y) of hudPanel.
void DrawSmallDigit(StageWindow& f, int x, int y, int32_t digit);
// Copies the large green digit (32 x 32) of the time sheet to (x, y) of hudPanel.
void CopyLargeDigit(StageWindow& f, int x, int y, int32_t digit);
// Draws StageTime on the clock strip of hudPanel as m:ss:t (four minus signs with the time
// limit off); does not count and does not present.
void DrawStageClock(StageWindow& f, const Model& m);
// The stage screen's plain panel over the whole of hudPanel.
void DrawBackdropPanel(StageWindow& f);

}  // namespace slidestone
