// char3: the play field's tiles and sprites, 8 columns x 18 rows of 32 x 32 cells.
#include "sheets.h"

namespace art {

Image MakeChar3() {
  Image sheet(256, 576);
  DrawStoneRows(sheet);
  DrawTileRows(sheet);
  DrawItemRows(sheet);
  DrawEnemyRows(sheet);
  return sheet;
}

}  // namespace art
