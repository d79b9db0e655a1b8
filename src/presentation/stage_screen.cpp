#include "presentation/stage_screen.h"

#include "presentation/game.h"
#include "presentation/hud.h"
#include "presentation/presentation.h"

namespace slidestone {

void StageScreen::StageFieldBuilt() { DrawBuiltField(g_.stageWindow, g_, true); }
void StageScreen::SpeedTileSpent(int col, int row) { DrawSpentSpeedTile(g_.stageWindow, col, row); }
void StageScreen::SpeedTileGlint(int col, int row, int overlay) { DrawSpeedTileLook(g_.stageWindow, col, row, overlay); }
void StageScreen::ToolWorkShown(int col, int row, int32_t code, int32_t stage) {
  DrawToolWork(g_.stageWindow, col, row, code, stage);
}
void StageScreen::ToolWorkDone(int col, int row, int32_t code) { DrawToolWorkDone(g_.stageWindow, col, row, code); }
void StageScreen::SnowCapped() { DrawSnowCap(g_.stageWindow, g_); }
void StageScreen::FieldRepainted() { RepaintField(g_.stageWindow, g_, g_.forms.redrawCheck); }
void StageScreen::FieldPresented() { g_.stageWindow.field.Present(); }
void StageScreen::FieldFrozen() {
  Copy(g_.stageWindow.field, 0, 0, kFieldW, kFieldH, g_.stageWindow.backdrop, 0, 0);
}
void StageScreen::OpeningLineShown() {
  SetText(g_.stageWindow.openingLine,
          On(g_.openingLineShown) ? g_.openingLines.For(g_.Stage, g_.Difficulty) : std::string());
}

void StageScreen::StageHudOpened() { DrawStageHudTop(g_.stageWindow, g_); }
void StageScreen::StageHudCompleted() { DrawStageHudRest(g_.stageWindow, g_); }
void StageScreen::StageClockShown() { DrawStageClock(g_.stageWindow, g_); }
void StageScreen::HudPresented() { g_.stageWindow.hudPanel.Present(); }
void StageScreen::ScoresShown() { DrawScores(g_.stageWindow, g_); }
void StageScreen::ToolPointsShown() { DrawToolPoints(g_.stageWindow, g_); }
void StageScreen::SpeedShown(int digit) { DrawSpeedDigit(g_.stageWindow, digit); }
void StageScreen::PointsZoomShown() { DrawPointsZoom(g_.stageWindow, g_); }
void StageScreen::SpeedZoomShown() { DrawSpeedZoom(g_.stageWindow, g_); }
void StageScreen::SpeedZoomEnded() { DrawSpeedZoomEnd(g_.stageWindow, g_); }

void StageScreen::ToolMenuOpened() {
  Surface& box = g_.stageWindow.toolMenu;
  ShowSurface(box);
  MoveSurface(box, g_.MenuX, g_.MenuY, 72, 24);
}
void StageScreen::ToolMenuShown() { DrawMenuBox(g_.stageWindow, g_); }
void StageScreen::ToolMenuHidden() { HideSurface(g_.stageWindow.toolMenu); }

void StageScreen::CurtainShown() { DrawCurtain(g_.stageWindow, g_); }
void StageScreen::CurtainMiddleShaded() { ShadeCurtainMiddle(g_.stageWindow, g_); }
void StageScreen::LivesCleared() {
  Copy(g_.stageWindow.hudPanel, 0, 0, 128, 48, g_.stageWindow.panelSheet, 0, 0);
  g_.stageWindow.hudPanel.Present();
}
void StageScreen::ContinuePromptShown() { DrawContinuePrompt(g_.stageWindow, g_); }
void StageScreen::FlowWordsShown() { DrawFlowWords(g_.stageWindow, g_, g_.forms.redrawCheck); }
void StageScreen::FlowWordsCleared() { ClearFlowWords(g_.stageWindow); }
void StageScreen::TitleWindowShown() { ShowForm(g_.forms, g_.menuWindow); }

}  // namespace slidestone
