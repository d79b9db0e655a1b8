// The parts the stage loader is built from, one file each.
#pragma once

namespace slidestone {

class Surface;
struct Game;

// The backdrop element in use (the sheet has two).
const Surface& StageBackdrop(const Game& g);

// Head-up display frame: backdrop panel, lives, stage number, labels, speed, tool icons and the
// stage's starting tool points.
void DrawBackdropPanel(Game& g);
void DrawLives(Game& g);
void DrawStageNumber(Game& g);
void DrawScoreLabels(Game& g);
void DrawSpeedLabel(Game& g);
void DrawToolIcons(Game& g);
void DrawStartingToolPoints(Game& g);

// The stage's two files: map<N>.dat (tiles) and Aimap<N>.dat (goal, buckets, enemies).
void ReadMapFile(Game& g);
void ReadEnemyMapFile(Game& g);

}  // namespace slidestone
