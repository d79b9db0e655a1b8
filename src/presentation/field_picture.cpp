#include "presentation/field_picture.h"

#include "presentation/presentation.h"
#include "stagedata/game.h"

namespace slidestone {

FieldOverflow DrawStageField(Game& g, const CodeRows& map, const CodeRows& objects,
                             const RecordValues& record) {
  StageWindow& f = g.Form1;
  const Surface& backdrop = StageBackdrop(g);
  Copy(f.gamebox2, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.back, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  Copy(f.Bback, 0, 0, kFieldW, kFieldH, backdrop, 0, 0);
  g.SpeedTileCount = 0;
  g.EnemyCount = 0;
  g.ItemCount = 0;
  FieldOverflow over = PlaceMapCodes(g, map);
  const FieldOverflow objectsOver = PlaceObjectCodes(g, objects);
  over.items = objectsOver.items;
  over.enemies = objectsOver.enemies;

  // The figures as the first repaint of play shows them.
  g.PlayerX = g.PlayerPrevX = record[kRecPlayerX];
  g.PlayerY = g.PlayerPrevY = record[kRecPlayerY];
  g.StoneX = g.StonePrevX = record[kRecStoneX];
  g.StoneY = g.StonePrevY = record[kRecStoneY];
  g.PlayerPose = g.PlayerFrame = 0;
  g.StoneSpinX = 0;
  g.InPipe = g.SpringShown = g.BallActive = g.SparkleOn = g.SpeedFlash = kFalse;
  g.SceneDirty = kTrue;
  RenderPlayField(g);
  return over;
}

}  // namespace slidestone
