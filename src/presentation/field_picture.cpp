#include "presentation/field_picture.h"

#include "play/play.h"
#include "presentation/game.h"
#include "presentation/presentation.h"

namespace slidestone {

FieldOverflow DrawStageField(Game& g, const CodeRows& map, const CodeRows& objects,
                             const RecordValues& record) {
  g.SpeedTileCount = 0;
  g.EnemyCount = 0;
  g.ItemCount = 0;
  FieldOverflow over = PlaceMapCodes(g, map);
  const FieldOverflow objectsOver = PlaceObjectCodes(g, g, objects);
  over.items = objectsOver.items;
  over.enemies = objectsOver.enemies;
  DrawBuiltField(g.stageWindow, g, false);

  // The figures as the first repaint of play shows them.
  g.PlayerX = g.PlayerPrevX = record[kRecPlayerX];
  g.PlayerY = g.PlayerPrevY = record[kRecPlayerY];
  g.StoneX = g.StonePrevX = record[kRecStoneX];
  g.StoneY = g.StonePrevY = record[kRecStoneY];
  g.PlayerPose = g.PlayerFrame = 0;
  g.StoneSpinX = 0;
  g.InPipe = g.SpringShown = g.BallActive = g.SparkleOn = g.SpeedFlash = kFalse;
  g.SceneDirty = kTrue;
  FieldFrameStep(g);
  return over;
}

}  // namespace slidestone
