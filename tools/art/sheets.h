// Every sheet of the game and the drawing helpers the sheet files share.
#pragma once

#include <string>
#include <vector>

#include "figure.h"
#include "image.h"

namespace art {

// Points on an elliptic arc, degrees, 0 = right, 90 = down (screen), for building polygons.
std::vector<V2> Arc(V2 c, float rx, float ry, float a0, float a1, int steps);

// The stage window
Image MakeMainchar();                // player: 10 poses x 4 frames, masks at x + 128
Image MakeChar3();                   // tiles, stone, items, enemies
Image MakeChar4();                   // blend overlays, ice block stages, sparkles
Image MakeJumpd();                   // spring: 5 frames, masks at x + 160
Image MakeCommandbox(int cell);      // tool icons at 32 or 24 pixels
Image MakeTimeSheet();               // head-up display digits and stage-flow words
Image MakeStageback(int element);    // 0 iceberg scene, 1 wall of toy blocks
Image MakeChar1();                   // the blue panel behind the head-up display
// The menu window
Image MakeTitle();
Image MakeMessagebox();              // menu word sheet
Image MakeStartback();               // small stones on green, period 32
// The house window
Image MakeClear1();                  // the sheet of ice
Image MakeClear2();                  // the house and the top-view stone
// The splash window and the desktop
Image MakeLogo1();
Image MakeLogo2();
// The desktop and window icon: one drawing, made at any size (the outline keeps its weight).
Image MakeIcon(int size = 128);

// Parts of char3, drawn by their own files.
void DrawStoneRows(Image& char3);    // rows 0-1
void DrawTileRows(Image& char3);     // rows 2-3
void DrawItemRows(Image& char3);     // rows 4-5
void DrawEnemyRows(Image& char3);    // rows 6-17

// Figures reused across sheets.
// The granite stone from the side, handle turned by frame 0-7; speck > 0 draws its speckles as
// small discs of that radius (for large pictures) instead of single pixels.
Figure SideStone(int frame, float speck = 0);
Figure TopStone(int frame);          // the stone seen from above (house scene)
void DrawPlayerFront(Canvas& cv, int mood, const Xform& xf);  // for title and logos
void DrawPenguin(Canvas& cv, int frame, bool alarmed, bool fast, const Xform& xf);

struct Picture {
  std::string name;
  Image img;
};
Image MakeContactSheet(const std::vector<Picture>& pics);

}  // namespace art
