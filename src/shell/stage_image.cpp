#include "shell/stage_image.h"

#include <exception>

#include "audio/audio.h"
#include "graphics/image_io.h"
#include "presentation/presentation.h"
#include "shell/verify.h"
#include "play/play.h"
#include "presentation/game.h"
#include "stagedata/stage_format.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

bool DrawStageImage(const RunKit& kit, const std::string& stageDir, int stage,
                    const std::function<bool(const Surface&, std::string& error)>& save,
                    std::string& error) {
  if (stage < 1 || stage > kStageCount) {
    error = "stage " + std::to_string(stage) + " is not a stage: they are numbered 1 to " +
            std::to_string(kStageCount);
    return false;
  }
  try {
    auto game = FreshGame(kit, stageDir);
    Game& g = *game;
    RecordingAudio quiet;
    g.audio = &quiet;
    // A new game from this stage reads the table, the messages and the stage's two maps
    // exactly as GAME START would.
    g.StartStage = stage - 1;
    NewGame(g, OpenStageHud);
    // The loader builds every speed tile as plain ice; the picture shows them as play shows them
    // from its first glint on, live or spent.
    for (int row = 0; row < kMapFileRows; ++row)
      for (int col = 0; col < kMapFileCols; ++col) {
        if (g.Map(col, row) == kSpeedTile) g.view->SpeedTileGlint(col, row, 0);
        if (g.Map(col, row) == kSpentSpeedTile) g.view->SpeedTileSpent(col, row);
      }
    // The loader leaves the field dimmed for the curtain; the renderer's first repaint shows it
    // clear, with everything that moves at its start.
    g.SceneDirty = kTrue;
    FieldFrameStep(g);
    return save(g.stageWindow.field, error);
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
}

}  // namespace slidestone
