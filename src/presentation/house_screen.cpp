// The house window's pictures (the house shot on the sheet of ice, the results, the closing
// roll), as the front view draws them.
#include <algorithm>

#include "graphics/forms.h"
#include "graphics/overdraw.h"
#include "presentation/front_screen.h"
#include "presentation/menu_words.h"
#include "stagedata/model.h"

namespace slidestone {

namespace {

// The grey cross line of the sheet, 512 x 4, across the lanes.
void DrawLine(HouseWindow& w, int y) { CopyFrame(w.canvas, 64, y, w.clear1, house_sheet::kCrossLine); }

// The house, the cross lines and the stone of this frame over the clean sheet, noted as what was
// drawn over it. Drawing only (the check mode draws them twice).
void DrawShot(HouseWindow& w, const Model& m) {
  const int32_t f = m.ShotFrame;
  BeginOverdraw(w.shot, w.canvas);
  if (f > 100) {
    int h = 2 * (f - 100), y0 = 0;
    if (f >= 228) {
      h = 256;
      y0 = std::min(2 * (f - 228), 96);
    }
    const SheetRun& house = house_sheet::kHouse;  // its bottom h rows
    KeyedCopy(w.canvas, 192, y0, house.w, h, w.clear2, house.x, house.y + house.h - h);
    if (f > 164) DrawLine(w, y0 + h - 130);  // across the house centre
  }
  if (f < 50) DrawLine(w, 280 + 4 * f);
  if (f > 90) DrawLine(w, f >= kShotSettleFrame ? 372 : 2 * (f - 90));
  MaskedFrame(w.canvas, m.ShotStoneX, m.ShotStoneY, w.clear2, house_sheet::kTopStone, m.ShotSpin);
  EndOverdraw(w.shot, w.canvas, w.cleanSheet);
}

void HideTextStrips(HouseWindow& w) {
  HideSurface(w.messagebox);
  HideSurface(w.messagebox1);
  HideSurface(w.messagebox2);
}

}  // namespace

void FrontScreen::HouseSheetShown() {
  HouseWindow& w = forms_.houseWindow;
  ShowFormMaximised(forms_, w);
  HideSurface(w.messagebox1);
  HideSurface(w.messagebox2);
  HideSurface(w.messagebox);
  // The sheet picture (the black columns and the ice), scrolled left by 64 pixels with
  // wrap-around: the ice lies between two black borders.
  constexpr int kScroll = 64, kH = house_sheet::kIce.h;
  for (Surface* s : {&w.cleanSheet, &w.canvas}) {
    Copy(*s, 0, 0, kScreenW - kScroll, kH, w.clear1, kScroll, 0);
    Copy(*s, kScreenW - kScroll, 0, kScroll, kH, w.clear1, 0, 0);
  }
}

void FrontScreen::ShotShown() {
  HouseWindow& w = forms_.houseWindow;
  constexpr Rect kLanes{64, 0, 512, 480};
  RestoreBackground(w.shot, w.canvas, w.cleanSheet, kLanes);
  DrawShot(w, m_);
  if (RedrawCheck* check = forms_.redrawCheck) {
    check->After(w.canvas, w.cleanSheet, kLanes, [&] { DrawShot(w, m_); });
  }
}

void FrontScreen::HousePresented() { forms_.houseWindow.canvas.Present(); }

void FrontScreen::ShotCommentShown(const std::string& comment) {
  ShowSurface(forms_.houseWindow.messagebox);
  SetText(forms_.houseWindow.commentText, comment);
}

void FrontScreen::StageWindowBack() {
  HideSurface(forms_.houseWindow.messagebox);
  ShowForm(forms_, forms_.stageWindow);
}

void FrontScreen::ResultsShown() {
  HouseWindow& w = forms_.houseWindow;
  const Surface& words = forms_.menuWindow.messagebox;
  ShowForm(forms_, w);
  HideTextStrips(w);
  PaintHouseScreenBlack(w);
  KeyedCopy(w.canvas, 100, 160, 256, kWordH, words, kBrightX, RowY(kRowGameLv));
  KeyedCopy(w.canvas, 400, 160, kValueCellW, kWordH, words, kValueCellW * m_.Difficulty,
            RowY(kRowLevelsBright));
  KeyedFrame(w.canvas, 164, 300, words, kScoreWord);
  DrawSixDigits(w.canvas, words, m_.TotalScore, 320, 300);
  w.canvas.Present();
}

void FrontScreen::RollBlackened() { PaintHouseScreenBlack(forms_.houseWindow); }

void FrontScreen::RollRoleAt(const std::string& role, int x, int y, int w, int h) {
  HouseWindow& house = forms_.houseWindow;
  ShowSurface(house.messagebox2);
  SetText(house.roleText, role);
  MoveSurface(house.messagebox2, x, y, w, h);
}

void FrontScreen::RollNameAt(const std::string& name, int x, int y, int w, int h) {
  HouseWindow& house = forms_.houseWindow;
  ShowSurface(house.messagebox1);
  SetText(house.namebox, name);
  MoveSurface(house.messagebox1, x, y, w, h);
}

void FrontScreen::RollLinesCleared() {
  HideSurface(forms_.houseWindow.messagebox1);
  HideSurface(forms_.houseWindow.messagebox2);
}

}  // namespace slidestone
