// The stage screen as play's view: each request of play (stagedata/stage_view.h) drawn at once
// on the stage window's surfaces, from the model as it is at that moment.
#pragma once

#include <cstdint>

#include "stagedata/stage_view.h"

namespace slidestone {

struct Game;

class StageScreen final : public StageView {
 public:
  explicit StageScreen(Game& g) : g_(g) {}

  void StageFieldBuilt() override;
  void SpeedTileSpent(int col, int row) override;
  void SpeedTileGlint(int col, int row, int overlay) override;
  void ToolWorkShown(int col, int row, int32_t code, int32_t stage) override;
  void ToolWorkDone(int col, int row, int32_t code) override;
  void SnowCapped() override;
  void FieldRepainted() override;
  void FieldPresented() override;
  void FieldFrozen() override;
  void OpeningLineShown() override;

  void StageHudOpened() override;
  void StageHudCompleted() override;
  void StageClockShown() override;
  void HudPresented() override;
  void ScoresShown() override;
  void ToolPointsShown() override;
  void SpeedShown(int digit) override;
  void PointsZoomShown() override;
  void SpeedZoomShown() override;
  void SpeedZoomEnded() override;

  void ToolMenuOpened() override;
  void ToolMenuShown() override;
  void ToolMenuHidden() override;

  void CurtainShown() override;
  void CurtainMiddleShaded() override;
  void LivesCleared() override;
  void ContinuePromptShown() override;
  void FlowWordsShown() override;
  void FlowWordsCleared() override;
  void TitleWindowShown() override;

 private:
  Game& g_;
};

}  // namespace slidestone
